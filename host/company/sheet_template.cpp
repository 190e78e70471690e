#include "company/sheet_template.h"

#include "company/sheet_writer.h"

namespace company {

void WriteTemplate(SheetKind kind, const QString& file)
{
    std::vector<SheetCell> headings;
    std::vector<bool> codes;
    for (const ColumnRule& column : ColumnsOf(kind)) {
        headings.push_back({column.headings.first(), std::nullopt});
        codes.push_back(column.code);
    }
    const std::unique_ptr<SheetWriter> sheet = CreateSheet(file, QStringLiteral("Sheet1"), codes);
    sheet->addRow(headings);
    sheet->finish();
}

} // namespace company
