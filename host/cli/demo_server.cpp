#include "demo_server.h"

#include "demo_database.h"
#include "demo_sqlite.h"
#include "runtime/db/database.h"
#include "runtime/db/schema/company_copy.h"
#include "runtime/db/export_log.h"
#include "runtime/db/schema/company_schema.h"

#include <QElapsedTimer>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <stdexcept>

namespace {

void Run(QSqlDatabase& connection, const QString& statement)
{
    QSqlQuery query(connection);
    if (!query.exec(statement))
        throw db::QueryFailure(QStringLiteral("The demo company cannot be written"), query.lastError(), statement);
}

} // namespace

QString CreateDemoOnServer(const QString& address, int employees, quint32 seed, bool replace, QTextStream& log)
{
    db::ConnectionSettings settings;
    settings.engine = db::Engine::PostgreSQL;
    settings.server = db::ParseServerAddress(address);
    const QString shown = settings.server.displayText;
    log << QStringLiteral("Creating the demo company in %1: %2 employees, seed %3.").arg(shown).arg(employees).arg(seed) << Qt::endl;
    QElapsedTimer timer;
    timer.start();

    db::MDatabase server(shown, settings);
    QSqlDatabase connection = server.connection();
    if (!connection.transaction())
        throw db::QueryFailure(QStringLiteral("The demo company cannot be written"), connection.lastError());
    // The data is made as for a file, then copied: the server holds exactly what the file would.
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("demo.db"));
    qint64 rows = 0;
    try {
        db::CreateCompanyTables(connection, shown, replace);
        CreateExportLogTables(connection);
        if (!folder.isValid())
            throw std::runtime_error("No temporary folder can be made for the demo company.");
        QString quiet;
        QTextStream unused(&quiet);
        CreateDemoDatabase(file, employees, seed, unused);
        DemoSqlite source(file, DemoSqlite::Mode::Read);
        rows = db::CopyCompanyRows(source.connection(), connection);
        db::CreateCompanyIndexes(connection);
        if (!connection.commit())
            throw db::QueryFailure(QStringLiteral("The demo company cannot be written"), connection.lastError());
    } catch (...) {
        connection.rollback();
        throw;
    }
    Run(connection, QStringLiteral("ANALYZE"));
    log << QStringLiteral("Wrote %1 rows in %2 s.").arg(rows).arg(timer.elapsed() / 1000.0, 0, 'f', 1) << Qt::endl;
    return DemoDatabaseSummary(file);
}
