#include "runtime/db/statement_watch.h"

#include "runtime/db/postgres_rows.h"
#include "runtime/db/result_rows.h"

#include <map>
#include <mutex>
#include <sqlite3.h>

namespace db {
namespace {
// The engine calls back after this many of its steps: a few microseconds of work.
constexpr int StepsPerCall = 1000;

std::mutex watchesGuard;
std::map<pg_conn*, StatementWatch*> serverWatches;
}

StatementWatch::StatementWatch(const QSqlDatabase& connection, std::function<bool()> stillWanted)
    : handle_(SqliteHandle(connection)), server_(PostgresHandle(connection)), stillWanted_(std::move(stillWanted))
{
    sinceAsked_.start();
    if (handle_)
        sqlite3_progress_handler(handle_, StepsPerCall, &StatementWatch::Progress, this);
    if (server_) {
        const std::lock_guard lock(watchesGuard);
        serverWatches[server_] = this;
    }
}

StatementWatch::~StatementWatch()
{
    if (handle_)
        sqlite3_progress_handler(handle_, 0, nullptr, nullptr);
    if (server_) {
        const std::lock_guard lock(watchesGuard);
        if (const auto found = serverWatches.find(server_); found != serverWatches.end() && found->second == this)
            serverWatches.erase(found);
    }
}

StatementWatch* StatementWatch::Of(pg_conn* connection)
{
    const std::lock_guard lock(watchesGuard);
    const auto found = serverWatches.find(connection);
    return found == serverWatches.end() ? nullptr : found->second;
}

bool StatementWatch::stillWanted()
{
    if (std::this_thread::get_id() != thread_)
        return true;
    if (interrupted_)
        return false;
    if (!sinceAsked_.hasExpired(AskIntervalMs))
        return true;
    if (!stillWanted_()) {
        interrupted_ = true;
        return false;
    }
    sinceAsked_.start();
    return true;
}

// Non-zero stops the statement.
int StatementWatch::Progress(void* context)
{
    return static_cast<StatementWatch*>(context)->stillWanted() ? 0 : 1;
}

} // namespace db
