#pragma once
// Filling a transfer table by hand, for the export and report tests of every bank.
#include "transfer/transfer_table.h"

#include <initializer_list>

struct TransferRow {
    QString account, name;
    double amount;
    QString number, idNo;   // YG_NO and ID_NO, for the banks whose table has them
};

// Defines `table` with `layout` and appends the rows. A row without name and number is a label row:
// its `account` goes into the layout's label column.
void FillTransferRows(db::LocalTable& table, const TransferTableLayout& layout, std::initializer_list<TransferRow> rows);

// Makes row `index` (0-based) an employee row whatever it holds: an employee whose name is empty.
void MarkEmployeeRow(db::LocalTable& table, int index);
