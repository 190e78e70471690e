#include "runtime/db/postgres_rows.h"

#include "runtime/db/database.h"
#include "runtime/db/sql_tokenizer.h"
#include "runtime/db/statement_watch.h"
#include "runtime/value_checks.h"

#include <QDate>
#include <QSqlDriver>
#include <QSqlError>
#include <charconv>
#include <libpq-fe.h>
#include <poll.h>

namespace db {

namespace {

// Rows a FETCH brings: few round trips, little memory.
constexpr int RowsPerChunk = 1024;

// A statement a cursor can hold: one that begins as a query.
bool ReadsRows(const QString& statement)
{
    for (const SqlToken& token : TokenizeSql(statement)) {
        if (!token.significant() || token.isSymbol("("))
            continue;
        return token.isWord("SELECT") || token.isWord("WITH") || token.isWord("VALUES") || token.isWord("TABLE");
    }
    return false;
}

// The type Qt's driver gives a column of this PostgreSQL type (by its number in pg_type).
QMetaType::Type TypeOf(Oid type)
{
    switch (type) {
    case 16: return QMetaType::Bool;
    case 17: return QMetaType::QByteArray;
    case 20: return QMetaType::LongLong;
    case 21: case 23: case 26: return QMetaType::Int;
    case 700: case 701: case 1700: return QMetaType::Double;
    case 1082: return QMetaType::QDate;
    default: return QMetaType::QString;
    }
}

double NumberOf(const char* text, int length)
{
    double number = 0;
    std::from_chars(text, text + length, number);
    return number;
}

// Asks the server to stop the statement it runs for `connection`; the statement then ends in an error.
void CancelOnServer(pg_conn* connection)
{
    if (PGcancel* cancel = PQgetCancel(connection)) {
        char error[256];
        PQcancel(cancel, error, int(sizeof error));
        PQfreeCancel(cancel);
    }
}

// The next result of the statement sent on `connection`, null after the last. While the server
// works, the connection's statement watch is asked whether the statement is still wanted; one no
// longer wanted is cancelled on the server.
pg_result* AwaitResult(pg_conn* connection, bool watched)
{
    StatementWatch* watch = watched ? StatementWatch::Of(connection) : nullptr;
    bool cancelled = false;
    while (watch && PQisBusy(connection)) {
        pollfd socket{PQsocket(connection), POLLIN, 0};
        poll(&socket, 1, StatementWatch::AskIntervalMs);
        // A connection that fails gives its error as the result.
        if (!PQconsumeInput(connection))
            break;
        if (!cancelled && !watch->stillWanted()) {
            CancelOnServer(connection);
            cancelled = true;
        }
    }
    return PQgetResult(connection);
}

} // namespace

pg_conn* PostgresHandle(const QSqlDatabase& connection)
{
    const QVariant handle = connection.driver()->handle();
    // Qt names the handle's type by libpq's typedef or by the struct behind it.
    if (!handle.isValid() || (qstrcmp(handle.typeName(), "PGconn*") != 0 && qstrcmp(handle.typeName(), "pg_conn*") != 0))
        return nullptr;
    return *static_cast<pg_conn* const*>(handle.data());
}

PostgresRows::PostgresRows(pg_conn* connection, const QString& statement, const QString& shownStatement)
    : connection_(connection), shown_(shownStatement)
{
    if (!ReadsRows(statement)) {
        takeChunk(check(run(statement.toUtf8()), false));
        return;
    }
    // The cursor lives in a transaction: the snapshot's, else one of its own until the rows end.
    // It is planned for all its rows, as the statement alone would be.
    ownTransaction_ = PQtransactionStatus(connection_) == PQTRANS_IDLE;
    const QByteArray declare = QByteArray(ownTransaction_ ? "BEGIN;" : "")
        + "SET LOCAL cursor_tuple_fraction=1;DECLARE rar1_rows NO SCROLL CURSOR FOR " + statement.toUtf8();
    PQclear(check(run(declare), false));
    cursor_ = true;
    sendFetch();
    takeChunk(awaitFetch());
}

PostgresRows::~PostgresRows()
{
    end();
}

void PostgresRows::end() noexcept
{
    pause();
    PQclear(waiting_);
    PQclear(chunk_);
    waiting_ = chunk_ = nullptr;
    if (cursor_ && PQstatus(connection_) == CONNECTION_OK)
        PQclear(PQexec(connection_, ownTransaction_ ? "COMMIT" : "CLOSE rar1_rows"));
    cursor_ = false;
}

pg_result* PostgresRows::run(const QByteArray& statements)
{
    if (!PQsendQuery(connection_, statements.constData()))
        return nullptr;
    // The last statement's result, or the failure that ended the others, as PQexec gives it.
    pg_result* kept = nullptr;
    while (pg_result* result = AwaitResult(connection_, true)) {
        const ExecStatusType status = PQresultStatus(kept);
        if (kept && status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK) {
            PQclear(result);
            continue;
        }
        PQclear(kept);
        kept = result;
    }
    return kept;
}

pg_result* PostgresRows::check(pg_result* result, bool rows)
{
    const ExecStatusType status = PQresultStatus(result);
    if (status == PGRES_TUPLES_OK || (!rows && status == PGRES_COMMAND_OK))
        return result;
    const QString engineText = QString::fromUtf8(result ? PQresultErrorMessage(result) : PQerrorMessage(connection_));
    const QString code = QString::fromLatin1(result ? PQresultErrorField(result, PG_DIAG_SQLSTATE) : nullptr);
    PQclear(result);
    if (ownTransaction_ && PQtransactionStatus(connection_) == PQTRANS_INERROR)
        PQclear(PQexec(connection_, "ROLLBACK"));
    cursor_ = false;
    throw QueryFailure(QString(), QSqlError(QString(), engineText.isEmpty() ? QString::fromUtf8(PQerrorMessage(connection_)) : engineText,
                                            QSqlError::StatementError, code),
                       shown_);
}

void PostgresRows::sendFetch()
{
    static const QByteArray fetch = "FETCH " + QByteArray::number(RowsPerChunk) + " FROM rar1_rows";
    if (!PQsendQuery(connection_, fetch.constData()))
        check(nullptr, true);
    fetching_ = true;
}

pg_result* PostgresRows::awaitFetch()
{
    wait(true);
    pg_result* result = waiting_;
    waiting_ = nullptr;
    return check(result, true);
}

void PostgresRows::takeChunk(pg_result* chunk)
{
    PQclear(chunk_);
    chunk_ = chunk;
    row_ = -1;
    if (columns_.isEmpty()) {
        for (int column = 0; column < PQnfields(chunk_); ++column) {
            columns_ << QString::fromUtf8(PQfname(chunk_, column));
            types_.push_back(TypeOf(PQftype(chunk_, column)));
        }
    }
    // A full chunk may have more behind it: the server reads them while the caller takes these in.
    lastChunk_ = !cursor_ || PQntuples(chunk_) < RowsPerChunk;
    if (!lastChunk_)
        sendFetch();
}

bool PostgresRows::next()
{
    while (++row_ >= PQntuples(chunk_)) {
        if (lastChunk_)
            return false;
        takeChunk(awaitFetch());
    }
    return true;
}

void PostgresRows::pause()
{
    wait(false);
}

void PostgresRows::wait(bool watched)
{
    // The chunk on its way is taken off the connection as it came; a failure is raised when the
    // caller reaches it.
    if (!fetching_)
        return;
    fetching_ = false;
    waiting_ = AwaitResult(connection_, watched);
    while (pg_result* more = PQgetResult(connection_))
        PQclear(more);
}

bool PostgresRows::isNull(int column) const
{
    return PQgetisnull(chunk_, row_, column);
}

const char* PostgresRows::bytes(int column) const
{
    return PQgetvalue(chunk_, row_, column);
}

int PostgresRows::length(int column) const
{
    return PQgetlength(chunk_, row_, column);
}

QVariant PostgresRows::value(int column) const
{
    const QMetaType::Type type = types_[size_t(column)];
    if (isNull(column))
        return QVariant(QMetaType(type));
    const char* text = bytes(column);
    switch (type) {
    case QMetaType::Bool: return text[0] == 't';
    case QMetaType::LongLong: return QByteArrayView(text, length(column)).toLongLong();
    case QMetaType::Int: return QByteArrayView(text, length(column)).toInt();
    case QMetaType::Double: return NumberOf(text, length(column));
    case QMetaType::QDate: return QDate::fromString(QString::fromLatin1(text, length(column)), Qt::ISODate);
    case QMetaType::QByteArray: {
        size_t size = 0;
        unsigned char* unescaped = PQunescapeBytea(reinterpret_cast<const unsigned char*>(text), &size);
        const QByteArray data(reinterpret_cast<const char*>(unescaped), qsizetype(size));
        PQfreemem(unescaped);
        return data;
    }
    default: return QString::fromUtf8(text, length(column));
    }
}

QString PostgresRows::text(int column) const
{
    if (types_[size_t(column)] != QMetaType::QString)
        return ResultRows::text(column);
    return isNull(column) ? QString() : QString::fromUtf8(bytes(column), length(column));
}

std::optional<double> PostgresRows::amount(int column) const
{
    if (isNull(column))
        return 0.0;
    switch (types_[size_t(column)]) {
    case QMetaType::Double: return NumberOf(bytes(column), length(column));
    case QMetaType::QString: return values::ParseAmount(text(column));
    default: return ResultRows::amount(column);
    }
}

} // namespace db
