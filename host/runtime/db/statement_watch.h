#pragma once
// Keeps the caller's windows alive while a long statement runs on an embedded SQLite connection or a
// PostgreSQL server, and lets the clerk stop it. While the engine works for the caller's thread, the
// watch's question is asked every few tens of milliseconds ("is the statement still wanted?"); the
// caller lets its windows repaint and hear a cancel there. When the answer is no, SQLite stops the
// statement, or the server is asked to cancel it; the statement then fails, and interrupted() tells
// that failure from any other. Rows read ahead by a second thread are never held up by the question.
// SQL Server runs its statements unwatched.
#include "runtime/db/database.h"

#include <QElapsedTimer>
#include <QSqlDatabase>
#include <functional>
#include <thread>

struct sqlite3;
struct pg_conn;

namespace db {

// A statement stopped because the clerk no longer wanted it.
class StatementCancelled : public DatabaseError {
public:
    StatementCancelled() : DatabaseError("The statement was cancelled.") {}
};

class StatementWatch {
public:
    StatementWatch(const QSqlDatabase& connection, std::function<bool()> stillWanted);
    ~StatementWatch();
    StatementWatch(const StatementWatch&) = delete;
    StatementWatch& operator=(const StatementWatch&) = delete;

    // Whether the last statement was stopped because it was no longer wanted; cleared by restart().
    bool interrupted() const { return interrupted_; }
    void restart() { interrupted_ = false; }

    // Asks the question when it is due; false once the statement is no longer wanted. Other threads
    // are not held up: for them the statement is always wanted.
    bool stillWanted();
    // The watch on a PostgreSQL connection; null when none is.
    static StatementWatch* Of(pg_conn* connection);

    static constexpr int AskIntervalMs = 20;

private:
    static int Progress(void* watch);
    sqlite3* handle_;
    pg_conn* server_;
    std::function<bool()> stillWanted_;
    std::thread::id thread_ = std::this_thread::get_id();
    QElapsedTimer sinceAsked_;
    bool interrupted_ = false;
};

} // namespace db
