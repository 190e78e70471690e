#include "runtime/db/schema/company_schema.h"
#include "runtime/db/database.h"
#include "runtime/language.h"
#include <QFile>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <stdexcept>

namespace db {
namespace {

// The statements of a script: its text without comments, cut at each ";".
QStringList Statements(const QString& resource)
{
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error(QStringLiteral("The database layout %1 is missing from the program.")
                                     .arg(resource)
                                     .toStdString());
    QString text = QString::fromUtf8(file.readAll());
    text.remove(QRegularExpression(QStringLiteral("--[^\n]*")));
    QStringList statements;
    for (const QString& s : text.split(u';'))
        if (!s.trimmed().isEmpty())
            statements << s.trimmed();
    return statements;
}

void Run(QSqlDatabase& connection, const QString& statement)
{
    QSqlQuery query(connection);
    if (!query.exec(statement))
        throw QueryFailure(QStringLiteral("The company tables cannot be created"), query.lastError(), statement);
}

// The company tables that `connection` holds already, by the names the schema gives them.
QStringList ExistingCompanyTables(const QSqlDatabase& connection)
{
    const QStringList present = connection.tables();
    QStringList existing;
    for (const QString& table : CompanyTableNames())
        if (present.contains(table, Qt::CaseInsensitive))
            existing << table;
    return existing;
}

} // namespace

void CreateCompanyTables(QSqlDatabase& connection, const QString& shownName, bool replace)
{
    const QStringList existing = ExistingCompanyTables(connection);
    if (!existing.isEmpty() && !replace)
        throw DatabaseError(LoadFormResourceStr(QStringLiteral("RAR1HOST"), 307)
                                .arg(shownName, existing.join(QStringLiteral(", ")))
                                .toStdString());
    for (const QString& table : existing)
        Run(connection, QStringLiteral("DROP TABLE ") + table);
    for (const QString& statement : CompanySchemaTables())
        Run(connection, statement);
}

void CreateCompanyIndexes(QSqlDatabase& connection)
{
    for (const QString& statement : CompanySchemaIndexes())
        Run(connection, statement);
}

QStringList CompanyTableNames()
{
    static const QRegularExpression created(QStringLiteral("^CREATE TABLE (\\w+)"), QRegularExpression::CaseInsensitiveOption);
    QStringList names;
    for (const QString& statement : CompanySchemaTables())
        names << created.match(statement).captured(1);
    return names;
}

QStringList CompanySchemaTables()
{
    return Statements(QStringLiteral(":/db/schema/company_tables.sql"));
}

QStringList CompanySchemaIndexes()
{
    return Statements(QStringLiteral(":/db/schema/company_indexes.sql"));
}

} // namespace db
