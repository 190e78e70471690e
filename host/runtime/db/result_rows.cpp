#include "runtime/db/result_rows.h"

#include "runtime/db/database.h"
#include "runtime/db/postgres_rows.h"
#include "runtime/db/sqlite_rows.h"
#include "runtime/value_checks.h"

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <sqlite3.h>

namespace db {

namespace {

class QtRows : public ResultRows {
public:
    explicit QtRows(QSqlQuery query) : query_(std::move(query)) {}
    QStringList columns() const override
    {
        QStringList names;
        const QSqlRecord record = query_.record();
        for (int i = 0; i < record.count(); ++i)
            names << record.fieldName(i);
        return names;
    }
    bool next() override { return query_.next(); }
    QVariant value(int column) const override { return query_.value(column); }

private:
    QSqlQuery query_;
};

} // namespace

sqlite3* SqliteHandle(const QSqlDatabase& connection)
{
    const QVariant handle = connection.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(handle.data());
}

QString ResultRows::text(int column) const
{
    const QVariant v = value(column);
    return v.isNull() ? QString() : v.toString();
}

double ResultRows::number(int column) const
{
    const QVariant v = value(column);
    return v.isNull() ? 0.0 : v.toDouble();
}

std::optional<double> ResultRows::amount(int column) const
{
    const QVariant v = value(column);
    if (v.isNull())
        return 0.0;
    switch (v.typeId()) {
    case QMetaType::QString: return values::ParseAmount(v.toString());
    case QMetaType::QByteArray: return std::nullopt;
    default: {
        bool ok = false;
        const double number = v.toDouble(&ok);
        return ok ? std::optional<double>(number) : std::nullopt;
    }
    }
}

std::unique_ptr<ResultRows> OpenRows(QSqlDatabase& connection, const QString& statement, const QString& shownStatement)
{
    if (sqlite3* handle = SqliteHandle(connection))
        return std::make_unique<SqliteRows>(handle, statement, shownStatement);
    if (pg_conn* handle = PostgresHandle(connection))
        return std::make_unique<PostgresRows>(handle, statement, shownStatement);
    QSqlQuery query(connection);
    query.setForwardOnly(true);
    if (!query.exec(statement))
        throw QueryFailure(QString(), query.lastError(), shownStatement);
    return std::make_unique<QtRows>(std::move(query));
}

} // namespace db
