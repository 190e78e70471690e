#pragma once
// The employees of a transfer table taken slot by slot, whatever the number of employees per row:
// laid out anew (one per row for the media file, two per row for a list without department breaks)
// and counted.
#include "transfer/transfer_table.h"

#include <functional>
#include <vector>

// Redefines `target` with `layout`'s columns and `slotsPerRow` slots and fills it with every employee
// of `source` (a table of `layout`), in order, leaving out subtotal and total rows and department
// breaks. An employee is known by his slot's kind, never by his name.
void RelayEmployees(db::LocalTable& source, const TransferTableLayout& layout, db::LocalTable& target, int slotsPerRow);

// The same employees one at a time, in the same order: each in turn is the one row of `row`
// (redefined with `layout`'s columns, one slot) while `each` runs. A media file is written this way
// without a second copy of the whole table.
void ForEachEmployeeAlone(db::LocalTable& source, const TransferTableLayout& layout, db::LocalTable& row,
                          const std::function<void(const db::LocalTable&)>& each);

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
