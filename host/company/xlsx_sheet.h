#pragma once
// A sheet of an XLSX workbook, read through minizip and Qt's XML reader without holding the sheet:
// shared strings, inline strings, numbers (as the workbook shows them, to 15 digits) and date cells
// (by their number format) as "YYYY-MM-DD".
#include "company/sheet_reader.h"

namespace company {

// The first sheet, or the one named `sheet`.
std::unique_ptr<SheetReader> OpenXlsxSheet(const QString& file, const QString& sheet);

} // namespace company
