#pragma once
// Reads the cells of a sheet's rows by their columns' kinds and notes every failure and warning as
// one line naming the file, the sheet, the row, the heading and the value.
#include "company/sheet_columns.h"
#include "company/sheet_import.h"
#include "company/sheet_reader.h"

namespace company {

// The cents of an amount as RowChecker::read gives it ("38749.00").
qint64 CentsOf(QStringView amount);

class RowChecker {
public:
    RowChecker(const ImportOptions& options, const QString& sheetName, const std::vector<QString>& headings,
               SheetLayout layout, ImportSummary& summary);

    // The row's values by column (ColumnsOf's order): trimmed, a date as "YYYY-MM-DD", a pay method
    // as "1" or "2", an amount as its number; empty where the sheet gives none. Notes the failures.
    // The values stay valid until the next row is read: one list serves every row.
    const std::vector<QString>& read(const SheetRow& row);
    // Notes a failure of column `rule` in row `row`.
    void fail(int row, int rule, const QString& value, const QString& reason);
    bool failed() const { return !summary_.failures.isEmpty(); }
    qsizetype failures() const { return summary_.failures.size(); }
    bool hasColumn(int rule) const { return layout_.sheetColumnOf[size_t(rule)] >= 0; }
    // The index in ColumnsOf of the column named `column`.
    int rule(const char* column) const;

private:
    QString value(int row, int rule, const QString& cell);
    QString heading(int rule) const;

    const ImportOptions& options_;
    QString sheet_;
    std::vector<QString> headings_;
    SheetLayout layout_;
    const std::vector<ColumnRule>& rules_;
    ImportSummary& summary_;
    std::vector<QString> values_;
};

} // namespace company
