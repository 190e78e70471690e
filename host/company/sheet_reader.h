#pragma once
// A spreadsheet read row by row, whatever its form: a CSV file (encoding and separator found by
// reading it) or a sheet of an XLSX workbook.
#include <QString>
#include <memory>
#include <stdexcept>
#include <vector>

namespace company {

// A file that cannot be read as a sheet at all (missing, not a workbook, broken quoting); the
// message names the file and, where it helps, the row.
class SheetError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One row: its number as the spreadsheet shows it (the headings are row 1) and its cells' texts
// from the first column on. A date cell of a workbook reads "YYYY-MM-DD".
struct SheetRow {
    int number = 0;
    std::vector<QString> cells;
};

class SheetReader {
public:
    virtual ~SheetReader() = default;
    // The next row; false after the last.
    virtual bool next(SheetRow& row) = 0;
    // The sheet's name as failures name it: the workbook's sheet, or the CSV file's name without its extension, as a spreadsheet names it.
    virtual QString sheetName() const = 0;
    // How far the reading is, 0 to 1000, for a progress bar.
    virtual int progress() const = 0;
};

// Opens `file`: a workbook (.xlsx) at its first sheet or the one named `sheet`, anything else as
// CSV. Raises SheetError.
std::unique_ptr<SheetReader> OpenSheet(const QString& file, const QString& sheet = QString());

} // namespace company
