#include "runtime/db/schema/company_schema.h"
#include <QFile>
#include <QRegularExpression>
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

} // namespace

QStringList CompanySchemaTables()
{
    return Statements(QStringLiteral(":/db/schema/company_tables.sql"));
}

QStringList CompanySchemaIndexes()
{
    return Statements(QStringLiteral(":/db/schema/company_indexes.sql"));
}

} // namespace db
