#include "runtime/db/result_rows.h"

#include "runtime/db/database.h"

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

class SqliteRows : public ResultRows {
public:
    SqliteRows(sqlite3* handle, const QString& statement, const QString& shownStatement)
    {
        const QByteArray text = statement.toUtf8();
        if (sqlite3_prepare_v2(handle, text.constData(), int(text.size()), &statement_, nullptr) != SQLITE_OK)
            fail(handle, shownStatement);
        handle_ = handle;
        shown_ = shownStatement;
    }
    ~SqliteRows() override { sqlite3_finalize(statement_); }

    QStringList columns() const override
    {
        QStringList names;
        for (int i = 0; i < sqlite3_column_count(statement_); ++i)
            names << QString::fromUtf8(sqlite3_column_name(statement_, i));
        return names;
    }

    bool next() override
    {
        const int result = sqlite3_step(statement_);
        if (result == SQLITE_ROW)
            return true;
        if (result != SQLITE_DONE)
            fail(handle_, shown_);
        return false;
    }

    QVariant value(int column) const override
    {
        switch (sqlite3_column_type(statement_, column)) {
        case SQLITE_NULL: return {};
        case SQLITE_INTEGER: return QVariant(qint64(sqlite3_column_int64(statement_, column)));
        case SQLITE_FLOAT: return QVariant(sqlite3_column_double(statement_, column));
        case SQLITE_BLOB:
            return QByteArray(static_cast<const char*>(sqlite3_column_blob(statement_, column)), sqlite3_column_bytes(statement_, column));
        default:
            return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement_, column)),
                                     sqlite3_column_bytes(statement_, column));
        }
    }

    // Texts and numbers, most of what a selection reads, are taken as the engine holds them.
    QString text(int column) const override
    {
        switch (sqlite3_column_type(statement_, column)) {
        case SQLITE_NULL: return {};
        case SQLITE_TEXT:
            return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement_, column)),
                                     sqlite3_column_bytes(statement_, column));
        default: return ResultRows::text(column);
        }
    }

    double number(int column) const override
    {
        switch (sqlite3_column_type(statement_, column)) {
        case SQLITE_NULL: return 0;
        case SQLITE_INTEGER: return double(sqlite3_column_int64(statement_, column));
        case SQLITE_FLOAT: return sqlite3_column_double(statement_, column);
        default: return ResultRows::number(column);
        }
    }

private:
    [[noreturn]] static void fail(sqlite3* handle, const QString& shownStatement)
    {
        throw DatabaseError(QStringLiteral("The database refused the statement: %1\nStatement: %2")
                                .arg(QString::fromUtf8(sqlite3_errmsg(handle)), shownStatement)
                                .toStdString());
    }

    sqlite3_stmt* statement_ = nullptr;
    sqlite3* handle_ = nullptr;
    QString shown_;
};

sqlite3* SqliteHandle(const QSqlDatabase& connection)
{
    const QVariant handle = connection.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(handle.data());
}

} // namespace

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

std::unique_ptr<ResultRows> OpenRows(QSqlDatabase& connection, const QString& statement, const QString& shownStatement)
{
    if (sqlite3* handle = SqliteHandle(connection))
        return std::make_unique<SqliteRows>(handle, statement, shownStatement);
    QSqlQuery query(connection);
    query.setForwardOnly(true);
    if (!query.exec(statement))
        throw QueryFailure(QStringLiteral("The database refused the statement"), query.lastError(), shownStatement);
    return std::make_unique<QtRows>(std::move(query));
}

} // namespace db
