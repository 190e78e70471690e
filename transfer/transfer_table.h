#pragma once
// The transfer table: the window's local table of employee rows, department subtotal rows and
// a total row. Its columns are the bank's; most banks use account, name and amount.
#include "runtime/db/localtable.h"

#include <QString>
#include <functional>
#include <initializer_list>
#include <vector>

namespace db { class MQuery; }

// One column of the transfer table and the column of the selection that fills it on employee rows
// (empty when the bank computes it), and what the row keeps of the selected text (a part of the
// account; none: all of it; the same for the same text, as it is formed once for lines that repeat
// it). The amount column A_MTN is always accumulated, never copied.
struct TransferColumn {
    db::FieldDef field;
    QString source;
    std::function<QString(const QString&)> keep = {};
};

struct TransferTableLayout {
    std::vector<TransferColumn> columns;
    QString labelColumn = QStringLiteral("BACC_NO");   // where subtotal and total rows carry their label
    // Employees side by side in one row. The columns above are the first employee's; each further
    // slot repeats them with its number appended (BACC_NO1, YG_NAME1, A_MTN1 ...).
    int slotsPerRow = 1;

    // Account (text 12040), name (12041) and amount (12042), the layout of most banks.
    static TransferTableLayout Standard();
    // Employee number (text 12045), name, identity number, account and amount (12046 to 12049), with
    // the subtotal and total labels in the employee number column. Banks differ in how wide the grid
    // shows the number and the name.
    static TransferTableLayout EmployeeNumbered(int numberWidth = 16, int nameWidth = 12);
    // Account shown 20 wide (text 12101), employee number of `numberSize` (12102), name (12103) and amount
    // (12104), with the subtotal and total labels in the account column.
    static TransferTableLayout AccountAndNumber(int numberSize);
    // Account shown 20 wide (text 12124), employee number, name, amount, identity number, department code
    // and the department's name (12125 to 12130), with the subtotal and total labels in the account
    // column. The department name (DEP_NM) is filled by the department transfer window.
    static TransferTableLayout AccountAndDepartment();

    // Where subtotal and total rows carry their label.
    TransferTableLayout& withLabelIn(const QString& column);
};

// Column definitions in the bank's words: a text column, and the amount column.
db::FieldDef TextColumn(const QString& name, int size, int labelId, int displayWidth, bool visible = true);
db::FieldDef AmountColumn(int labelId, int displayWidth);

// Redefines `table` with the layout's columns (every slot's) and the hidden row and slot kinds, and
// leaves it open and empty.
void DefineTransferTable(db::LocalTable& table, const TransferTableLayout& layout);

// The amount of one pay line as it enters the transfer table: a whole number, a half going to the
// even neighbour.
double TransferAmount(double netPay);

// An account column holds the account whole, as the employee records keep it: a bank's field that
// cannot hold it refuses it, never a column that cuts it first.
inline constexpr int AccountColumnSize = 20;
inline const QString AmountColumnName = QStringLiteral("A_MTN");
inline const QString NameColumnName = QStringLiteral("YG_NAME");

// Every transfer table carries a hidden column that says what each row is, so that subtotal and total
// rows are never mistaken for employees (nor an employee without a name for a subtotal).
inline const QString RowKindColumnName = QStringLiteral("ROW_KIND");
enum class RowKind : char { Employee = 'E', Subtotal = 'S', Total = 'T' };
void SetRowKind(db::LocalTable& row, RowKind kind);
bool IsEmployeeRow(const db::LocalTable& row);

// Slots: the column `name` of slot `slot` (BACC_NO, BACC_NO1 ...). The first slot of a row holds an
// employee when the row is an employee row; every further slot says so in its own hidden kind column
// (ROW_KIND1 ...), never by its name being filled.
QString SlotColumn(const QString& name, int slot);
void MarkSlotEmployee(db::LocalTable& row, int slot);
// Opens slot `slot` for an employee: the first slot appends a new employee row, a further one edits
// the row being filled and marks the slot.
void BeginEmployeeSlot(db::LocalTable& table, int slot);
bool SlotHoldsEmployee(const db::LocalTable& row, int slot);
// The filter that keeps employee rows only (sums, lists).
QString EmployeeRowsFilter();
