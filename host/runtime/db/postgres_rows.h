#pragma once
// The rows of a statement on a PostgreSQL connection, read through libpq itself in text form from a
// cursor of the statement, a chunk of rows at a time: the next chunk is asked for while the caller
// takes in the one before, a large selection never sits in memory as a whole, and between chunks
// the connection is free for another statement (pause() waits for the chunk on its way). A
// statement that reads no rows as a cursor would (an INSERT, a CREATE) runs as it is. While the
// caller waits for the server, the connection's statement watch may cancel the statement there.
#include "runtime/db/result_rows.h"

#include <QMetaType>
#include <vector>

struct pg_conn;
struct pg_result;

namespace db {

class PostgresRows : public ResultRows {
public:
    // Runs `statement`; raises DatabaseError with the server's text, naming `shownStatement`.
    PostgresRows(pg_conn* connection, const QString& statement, const QString& shownStatement);
    ~PostgresRows() override;

    QStringList columns() const override { return columns_; }
    bool next() override;
    QVariant value(int column) const override;
    QString text(int column) const override;
    std::optional<double> amount(int column) const override;
    void pause() override;

private:
    bool isNull(int column) const;
    const char* bytes(int column) const;
    int length(int column) const;
    // Sends `statements` and waits for their results, watched; the last one, or the first failure.
    pg_result* run(const QByteArray& statements);
    void sendFetch();
    // Takes the chunk on its way off the connection; `watched`: a clerk waits for it.
    void wait(bool watched);
    pg_result* awaitFetch();
    void takeChunk(pg_result* chunk);
    pg_result* check(pg_result* result, bool rows);
    void end() noexcept;

    pg_conn* connection_;
    QString shown_;
    QStringList columns_;
    std::vector<QMetaType::Type> types_;   // each column's type as Qt's driver gives it
    pg_result* chunk_ = nullptr;           // the rows the caller stands in
    int row_ = -1;
    pg_result* waiting_ = nullptr;         // a chunk that came while the caller paused
    bool fetching_ = false;                // a FETCH is on its way
    bool cursor_ = false, ownTransaction_ = false, lastChunk_ = true;
};

// The libpq connection under a connection of Qt's PostgreSQL driver; none for another engine.
pg_conn* PostgresHandle(const QSqlDatabase& connection);

} // namespace db
