#pragma once
// A sheet written for the clerk: CSV (UTF-8 with a byte-order mark, comma separated, every field
// quoted, CR LF) or an XLSX workbook of one sheet (libxlsxwriter), by the file's extension. It is
// written as every file of the program is (SafeFileWriter): beside its place, renamed into it only
// when complete, and readable by the clerk alone, for a transfer table holds accounts and pay.
#include <QString>
#include <memory>
#include <optional>
#include <vector>

namespace company {

struct SheetCell {
    QString text;
    std::optional<double> number;   // a number cell in a workbook (the text is what CSV writes)
};

class SheetWriter {
public:
    virtual ~SheetWriter() = default;
    // A row; a marked row (a subtotal or the total) shows in bold in a workbook.
    virtual void addRow(const std::vector<SheetCell>& cells, bool marked = false) = 0;
    // Completes the file and puts it in place; raises std::runtime_error when it cannot.
    virtual void finish() = 0;
};

// `textColumns`: columns a workbook formats as text, so that codes keep their leading zeros when
// the clerk types them. Raises std::runtime_error when the file cannot be started.
std::unique_ptr<SheetWriter> CreateSheet(const QString& file, const QString& sheetName, const std::vector<bool>& textColumns = {});

} // namespace company
