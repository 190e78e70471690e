#include "company/sheet_reader.h"

#include "company/csv_sheet.h"
#include "company/xlsx_sheet.h"

namespace company {

std::unique_ptr<SheetReader> OpenSheet(const QString& file, const QString& sheet)
{
    if (file.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive))
        return OpenXlsxSheet(file, sheet);
    return OpenCsvSheet(file);
}

} // namespace company
