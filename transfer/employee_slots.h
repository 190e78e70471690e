#pragma once
// The employees of a transfer table taken slot by slot, whatever the number of employees per row:
// laid out anew (one per row for the media file, two per row for a list without department breaks)
// and counted.
#include "transfer/transfer_table.h"

// Redefines `target` with `layout`'s columns and `slotsPerRow` slots and fills it with every employee
// of `source` (a table of `layout`), in order, leaving out subtotal and total rows and department
// breaks. An employee is known by his slot's kind, never by his name.
void RelayEmployees(db::LocalTable& source, const TransferTableLayout& layout, db::LocalTable& target, int slotsPerRow);

// The employees the rows of `table` hold (a table of `slotsPerRow` slots).
int CountEmployees(db::LocalTable& table, int slotsPerRow);
