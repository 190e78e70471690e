#pragma once
// The employees of a transfer table taken slot by slot, whatever the number of employees per row:
// laid out anew (one per row for the media file, two per row for a list without department breaks)
// and counted.
#include "transfer/transfer_table.h"

#include <vector>

// Redefines `target` with `layout`'s columns and `slotsPerRow` slots and fills it with every employee
// of `source` (a table of `layout`), in order, leaving out subtotal and total rows and department
// breaks. An employee is known by his slot's kind, never by his name.
void RelayEmployees(db::LocalTable& source, const TransferTableLayout& layout, db::LocalTable& target, int slotsPerRow);

// Each employee of a table of several slots in turn as a table of one employee: a reader of the
// table's rows for each slot, which reads the columns of its slot by the names of the first, and
// knows no other columns. A media file is written this way without a copy of any employee. Each
// thread that writes employees needs an EmployeeAlone of its own.
class EmployeeAlone {
public:
    // `source` reads the table as the rows will be given (its filter), `layout` is the table's.
    EmployeeAlone(const db::LocalTable& source, const TransferTableLayout& layout);
    // The employee of slot `slot` of the row `source` stands on.
    const db::LocalTable& place(const db::LocalTable& source, int slot);

private:
    std::vector<db::LocalTable> slots_;
};

// The employees the rows of `table` hold (a table of `slotsPerRow` slots).
int CountEmployees(db::LocalTable& table, int slotsPerRow);
// Their number and their amounts added up in the order they are relayed, in one walk. With
// `rowsPerBlock`, also the employees of the rows before each block of that many rows.
struct EmployeeTally {
    int count = 0;
    double total = 0;
    std::vector<int> employeesBefore;
};
EmployeeTally TallyEmployees(db::LocalTable& table, int slotsPerRow, int rowsPerBlock = 0);
