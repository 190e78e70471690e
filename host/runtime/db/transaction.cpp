#include "runtime/db/transaction.h"

#include "runtime/db/postgres_connection.h"

#include "runtime/language.h"

#include <QSqlError>
#include <QSqlQuery>

namespace db {
namespace {

void Run(QSqlDatabase& connection, const QString& statement, const QString& what)
{
    QSqlQuery query(connection);
    if (!query.exec(statement))
        throw QueryFailure(what, query.lastError());
}

} // namespace

Transaction::Transaction(const QString& databaseName)
{
    MDatabase& database = RequireDefaultSession()->database(databaseName);
    connection_ = database.connection();
    engine_ = database.engine();
    const QString what = LoadFormResourceStr(QStringLiteral("RAR1HOST"), 303).arg(database.name());
    if (engine_ == Engine::SQLite)
        Run(connection_, QStringLiteral("BEGIN IMMEDIATE"), what);
    else if (!connection_.transaction())
        throw QueryFailure(what, connection_.lastError());
    if (engine_ == Engine::PostgreSQL) {
        try {
            Run(connection_, ServerWriteLockStatement, what);
        } catch (...) {
            connection_.rollback();
            throw;
        }
    }
    open_ = true;
}

Transaction::~Transaction()
{
    if (!open_)
        return;
    if (engine_ == Engine::SQLite)
        QSqlQuery(connection_).exec(QStringLiteral("ROLLBACK"));
    else
        connection_.rollback();
}

void Transaction::commit()
{
    const QString what = LoadFormResourceStr(QStringLiteral("RAR1HOST"), 304);
    if (engine_ == Engine::SQLite)
        Run(connection_, QStringLiteral("COMMIT"), what);
    else if (!connection_.commit())
        throw QueryFailure(what, connection_.lastError());
    open_ = false;
}

} // namespace db
