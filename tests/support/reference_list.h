#pragma once
// The shared transfer list, as the banks without a list of their own print it, over a transfer table
// of its own: prepared for a transfer on 2026-03-05 of regular salary, ready to lay out or print.
#include "support/transfer_rows.h"
#include "transfer/transfer_list_report.h"

// `count` employees: account "0123456789" and three digits from 000, name "陳員工1", "林員工2",
// "黃員工3", "張員工4", "陳員工5" ..., amounts 1000.25, 1010.25, 1020.25 ...
std::vector<TransferRow> Employees(int count);

class ReferenceList {
public:
    // A row without a name is a subtotal or total row. The list's preview window belongs to `owner`.
    ReferenceList(const QString& tableName, const std::vector<TransferRow>& rows, QWidget* owner = nullptr);
    report::TQuickRep& rep() { return form_->QuickRep1; }
    db::LocalTable& table() { return table_; }

private:
    db::LocalTable table_;
    ReleasedForm<TransferListReport> form_;
};
