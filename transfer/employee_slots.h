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

// Each employee of a table of several slots in turn the one row of a table of its own, named
// `databaseName` and `tableName`, with the layout's columns and one slot: a media file is written
// this way without a second copy of the whole table. Each thread that writes employees needs an
// EmployeeAlone of its own.
class EmployeeAlone {
public:
    EmployeeAlone(const db::LocalTable& source, const TransferTableLayout& layout, const QString& databaseName,
                  const QString& tableName);
    // The employee of slot `slot` of the row `source` (a table like the one given above) stands on,
    // as the one row of the table given back.
    const db::LocalTable& place(const db::LocalTable& source, int slot);

private:
    db::LocalTable row_;
    std::vector<std::vector<int>> from_;   // the columns of each slot of the source, by number
    std::vector<int> to_;                  // and of the one slot of `row`
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
