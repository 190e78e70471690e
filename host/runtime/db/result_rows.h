#pragma once
// The rows of an opened statement, read one at a time. SQLite's rows are read straight from the
// engine, a batch ahead of the caller (sqlite_rows.h), PostgreSQL's through libpq a chunk ahead
// (postgres_rows.h); other engines go through Qt's SQL layer.
#include <QSqlDatabase>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <optional>

struct sqlite3;

namespace db {

// The engine's own handle of an embedded SQLite connection; null for any other engine.
sqlite3* SqliteHandle(const QSqlDatabase& connection);

class ResultRows {
public:
    ResultRows() = default;
    virtual ~ResultRows() = default;
    ResultRows(const ResultRows&) = delete;   // rows hold a statement of their connection
    ResultRows& operator=(const ResultRows&) = delete;
    virtual QStringList columns() const = 0;
    virtual bool next() = 0;                 // moves to the next row; false after the last
    virtual QVariant value(int column) const = 0;
    // The column as text ("" for NULL) and as a number (0 for NULL), as value() would give them;
    // an engine may give them without forming a variant.
    virtual QString text(int column) const;
    virtual double number(int column) const;
    // The column as an amount: a number, 0 for NULL, a text that reads as a number (ParseAmount);
    // none for a text or bytes that do not.
    virtual std::optional<double> amount(int column) const;
    // Stops whatever the rows do on the connection in the background, so that the connection may
    // run another statement; reading goes on at the next call of next().
    virtual void pause() {}
};

// Runs `statement` (already in the engine's dialect) on `connection`; raises DatabaseError with
// the engine's text, naming `shownStatement`, when the engine refuses it.
std::unique_ptr<ResultRows> OpenRows(QSqlDatabase& connection, const QString& statement, const QString& shownStatement);

} // namespace db
