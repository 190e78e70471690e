#pragma once
// Keeps the caller's windows alive while a long statement runs on an embedded SQLite connection,
// and lets the clerk stop it. While the engine works on the caller's thread, the watch's question
// is asked every few tens of milliseconds ("is the statement still wanted?"); the caller lets its
// windows repaint and hear a cancel there. When the answer is no, the engine stops the statement,
// which then fails; interrupted() tells that failure from any other. Rows read ahead by a second
// thread are never held up by the question. Other engines run their statements unwatched.
#include "runtime/db/database.h"

#include <QElapsedTimer>
#include <QSqlDatabase>
#include <functional>
#include <thread>

struct sqlite3;

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

    static constexpr int AskIntervalMs = 20;

private:
    static int Progress(void* watch);
    sqlite3* handle_;
    std::function<bool()> stillWanted_;
    std::thread::id thread_ = std::this_thread::get_id();
    QElapsedTimer sinceAsked_;
    bool interrupted_ = false;
};

} // namespace db
