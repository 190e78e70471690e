#include "runtime/db/statement_watch.h"

#include "runtime/db/result_rows.h"

#include <sqlite3.h>

namespace db {
namespace {
// The engine calls back after this many of its steps: a few microseconds of work.
constexpr int StepsPerCall = 1000;
}

StatementWatch::StatementWatch(const QSqlDatabase& connection, std::function<bool()> stillWanted)
    : handle_(SqliteHandle(connection)), stillWanted_(std::move(stillWanted))
{
    sinceAsked_.start();
    if (handle_)
        sqlite3_progress_handler(handle_, StepsPerCall, &StatementWatch::Progress, this);
}

StatementWatch::~StatementWatch()
{
    if (handle_)
        sqlite3_progress_handler(handle_, 0, nullptr, nullptr);
}

// Non-zero stops the statement.
int StatementWatch::Progress(void* context)
{
    auto* watch = static_cast<StatementWatch*>(context);
    if (std::this_thread::get_id() != watch->thread_)
        return 0;
    if (watch->interrupted_)
        return 1;
    if (!watch->sinceAsked_.hasExpired(AskIntervalMs))
        return 0;
    if (!watch->stillWanted_()) {
        watch->interrupted_ = true;
        return 1;
    }
    watch->sinceAsked_.start();
    return 0;
}

} // namespace db
