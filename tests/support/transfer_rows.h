#pragma once
// Filling a transfer table by hand, for the export and report tests of every bank.
#include "transfer/media_field.h"
#include "transfer/transfer_table.h"

#include <QStringList>
#include <initializer_list>
#include <optional>
#include <vector>

struct TransferRow {
    QString account, name;
    double amount;
    QString number, idNo;   // YG_NO and ID_NO, for the banks whose table has them
    QString department;     // DEP_NO, likewise
};

// Defines `table` with `layout` and appends the rows. A row without name and number is a label row:
// its `account` goes into the layout's label column.
void FillTransferRows(db::LocalTable& table, const TransferTableLayout& layout, const std::vector<TransferRow>& rows);

// The texts of `columns` on every row of `table`, in order.
std::vector<QStringList> ColumnTexts(db::LocalTable& table, const QStringList& columns);

// What the transfer window hands over for these rows: the transfer date, and the count and the sum of
// the employee rows (those with a name or a number).
ExportValues HandedOverFor(std::initializer_list<TransferRow> rows, const QDate& date);

// Makes row `index` (0-based) an employee row whatever it holds: an employee whose name is empty.
void MarkEmployeeRow(db::LocalTable& table, int index);

// A row of a two-per-row table: its first employee (or, without name and number, a label row) and
// its second employee, if any.
struct TransferPair {
    TransferRow first;
    std::optional<TransferRow> second = std::nullopt;
};
void FillTransferPairs(db::LocalTable& table, const TransferTableLayout& layout, const std::vector<TransferPair>& rows);

// A row given column by column, for the banks whose transfer table has columns of their own.
struct ColumnRow {
    RowKind kind = RowKind::Employee;
    QVariantMap values;
};
void FillTransferColumns(db::LocalTable& table, const TransferTableLayout& layout, const std::vector<ColumnRow>& rows);
