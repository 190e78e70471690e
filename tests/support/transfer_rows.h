#pragma once
// Filling a transfer table by hand, for the export and report tests of every bank.
#include "transfer/transfer_table.h"

#include <initializer_list>

struct TransferRow {
    QString account, name;
    double amount;
};

// Defines `table` with `layout` and appends the rows (label rows have no name).
void FillTransferRows(db::LocalTable& table, const TransferTableLayout& layout, std::initializer_list<TransferRow> rows);
