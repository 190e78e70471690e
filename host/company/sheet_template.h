#pragma once
// An empty sheet with the headings of a kind of sheet, for the clerk to fill: CSV or XLSX.
#include "company/sheet_columns.h"

namespace company {

// Raises std::runtime_error when the file cannot be written.
void WriteTemplate(SheetKind kind, const QString& file);

} // namespace company
