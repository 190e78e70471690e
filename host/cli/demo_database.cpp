#include "demo_database.h"
#include "demo_company_data.h"
#include "demo_payroll.h"
#include "demo_sqlite.h"
#include "runtime/db/schema/company_schema.h"
#include "runtime/safe_file_writer.h"
#include <QElapsedTimer>
#include <QFileInfo>
#include <stdexcept>

namespace {

DemoPayrollCount WriteDemoCompany(const QString& file, int employees, quint32 seed)
{
    DemoSqlite db(file, DemoSqlite::Mode::Create);
    // A new file that is renamed into place only when complete needs no journal.
    db.exec(QStringLiteral("PRAGMA journal_mode = OFF"));
    db.exec(QStringLiteral("PRAGMA synchronous = OFF"));
    for (const QString& statement : db::CompanySchemaTables())
        db.exec(statement);
    db.exec(QStringLiteral("BEGIN"));
    WriteDemoCompanyData(db);
    const DemoPayrollCount count = WriteDemoPayroll(db, employees, seed);
    db.exec(QStringLiteral("COMMIT"));
    for (const QString& statement : db::CompanySchemaIndexes())
        db.exec(statement);
    db.exec(QStringLiteral("ANALYZE"));
    return count;
}

} // namespace

void CreateDemoDatabase(const QString& sqliteFile, int employees, quint32 seed, QTextStream& log)
{
    if (employees < 0)
        throw std::invalid_argument("The demo company needs a number of employees of 0 or more.");
    log << QStringLiteral("Creating the demo company in %1: %2 employees, seed %3.").arg(sqliteFile).arg(employees).arg(seed)
        << Qt::endl;
    QElapsedTimer timer;
    timer.start();
    // SQLite fills the temporary file by its name; it takes the database's name only when whole.
    SafeFileWriter file(sqliteFile, Replacing::Allowed);
    const DemoPayrollCount count = WriteDemoCompany(file.TemporaryPath(), employees, seed);
    file.Commit();
    log << QStringLiteral("Wrote %1 employees and %2 pay lines in %3 s.")
               .arg(count.employees)
               .arg(count.payLines)
               .arg(timer.elapsed() / 1000.0, 0, 'f', 1)
        << Qt::endl;
}

QString DemoDatabaseSummary(const QString& sqliteFile)
{
    if (!QFileInfo::exists(sqliteFile))
        throw std::runtime_error(QStringLiteral("The company database %1 does not exist.").arg(sqliteFile).toStdString());
    DemoSqlite db(sqliteFile, DemoSqlite::Mode::Read);
    QStringList lines;
    lines << QStringLiteral("Employees: %1").arg(db.scalar(QStringLiteral("SELECT COUNT(*) FROM MF_YG")).toLongLong());
    lines << QStringLiteral("Paid by bank transfer: %1")
                 .arg(db.scalar(QStringLiteral("SELECT COUNT(*) FROM MF_YG WHERE PAY_MTH = '2'")).toLongLong());
    QSqlQuery runs = db.select(QStringLiteral("SELECT substr(FS_DD, 1, 7), COUNT(*) FROM MF_FS GROUP BY 1 ORDER BY 1"));
    while (runs.next())
        lines << QStringLiteral("Pay runs %1: %2").arg(runs.value(0).toString()).arg(runs.value(1).toLongLong());
    lines << QStringLiteral("Pay lines: %1").arg(db.scalar(QStringLiteral("SELECT COUNT(*) FROM TF_FS1")).toLongLong());
    lines << QStringLiteral("Departments: %1").arg(db.scalar(QStringLiteral("SELECT COUNT(*) FROM DEPT")).toLongLong());
    return lines.join(u'\n');
}
