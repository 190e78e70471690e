#pragma once
// The demo company: a believable company database for trying the salary transfers, made from a
// seed so that the same seed always gives the same data.
//
// It holds a department tree, `employees` employees with traditional Chinese names (a few written
// with characters that Big5 cannot hold), paid by transfer or in cash, with first and second bank
// accounts (some first accounts empty, some post office accounts with wrong check digits), the pay
// runs of January and February 2026 (regular salary and additional runs such as the year-end
// bonus, net pay with cents), one company row "01", and the cached master tables.
// About 2.5 pay lines per employee: 100,000 employees give about 250,000 lines.
#include <QString>
#include <QTextStream>

// The company number of the demo company's one company row.
inline const QString DemoCompanyNumber = QStringLiteral("01");

// Creates the database at `sqliteFile`, replacing any file there; reports progress to `log`.
// Raises std::runtime_error with the reason when the file cannot be written.
void CreateDemoDatabase(const QString& sqliteFile, int employees, quint32 seed, QTextStream& log);

// A few lines on what a company database holds: employees, paid by transfer, pay runs per month,
// pay lines, departments.
QString DemoDatabaseSummary(const QString& sqliteFile);
