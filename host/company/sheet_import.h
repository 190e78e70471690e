#pragma once
// Imports a sheet of the company's own data into the company database: employees, departments, or
// a pay sheet (one pay run of net pay, with the employees it names). Every row is checked with the
// data gate's single-value checks and the sheet's own (required values, a key twice, dates that
// exist, an employee the company does not know); the rows go into one transaction that is
// committed only when no row failed, so that a refused sheet writes nothing.
#include "company/sheet_columns.h"

#include <QDate>
#include <QStringList>
#include <functional>

namespace company {

struct ImportOptions {
    SheetKind kind = SheetKind::Pay;
    QString file;
    QString sheet;              // a workbook's sheet; empty for the first
    QDate payDate;              // pay sheets: else the 發薪日 column
    QString run;                // pay sheets: else the 發薪單號 column, else made from date and category
    QString category;           // pay sheets: an additional payment of this salary category
    bool updateEmployees = false;   // pay sheets: take differing names and accounts into the company
    bool dryRun = false;
};

struct ImportSummary {
    int rowsRead = 0;
    int added = 0, updated = 0, unchanged = 0;   // employees, or departments
    int payLines = 0;
    QString run;
    qint64 totalCents = 0;
    int replacedLines = -1;   // the run's lines before, when it was imported before
    QStringList failures;     // one line each: file, sheet, row, heading, value, reason
    QStringList warnings;
    bool written = false;

    // The summary in the clerk's language, a line each.
    QStringList lines(const ImportOptions& options) const;
};

// Raises std::runtime_error when the database or the file cannot be read at all (the message says
// why); failures of rows come back in the summary. `progress` hears 0 to 1000 now and then.
ImportSummary ImportSheet(const QString& database, const ImportOptions& options,
                          const std::function<void(int)>& progress = {});

} // namespace company
