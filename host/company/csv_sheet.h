#pragma once
// A CSV file as a sheet: RFC 4180 quoting (doubled quotes, line breaks inside quotes) parsed by
// libcsv; comma, semicolon or tab separated, whichever the heading row holds most of.
#include "company/sheet_reader.h"

namespace company {

std::unique_ptr<SheetReader> OpenCsvSheet(const QString& file);

} // namespace company
