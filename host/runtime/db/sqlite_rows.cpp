#include "runtime/db/sqlite_rows.h"

#include "runtime/db/database.h"
#include "runtime/short_copy.h"
#include "runtime/value_checks.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstring>

namespace db {

namespace {

// Rows stepped before they are handed over, and batches kept ready at most: enough to keep both
// threads busy, little enough that a large selection never sits in memory.
constexpr size_t BatchRows = 256;
constexpr size_t ReadyBatches = 4;

template <typename T>
T Read(const char* at)
{
    T value;
    std::memcpy(&value, at, sizeof value);
    return value;
}

// A text or blob cell: its length, then its bytes.
QByteArrayView Bytes(const char* cell)
{
    return QByteArrayView(cell + 1 + sizeof(quint32), Read<quint32>(cell + 1));
}

} // namespace

char* SqliteRows::Batch::room(size_t count)
{
    if (size + count > capacity) {
        const size_t grown = std::max({size + count, capacity * 2, size_t(4096)});
        std::unique_ptr<char[]> larger(new char[grown]);
        if (size > 0)
            std::memcpy(larger.get(), bytes.get(), size);
        bytes = std::move(larger);
        capacity = grown;
    }
    char* at = bytes.get() + size;
    size += count;
    return at;
}

SqliteRows::SqliteRows(sqlite3* handle, const QString& statement, const QString& shownStatement)
    : handle_(handle)
    , shown_(shownStatement)
{
    const QByteArray text = statement.toUtf8();
    if (sqlite3_prepare_v2(handle, text.constData(), int(text.size()), &statement_, nullptr) != SQLITE_OK)
        fail(QString::fromUtf8(sqlite3_errmsg(handle)));
    // Named now: the statement is not touched by this thread while the second one steps it.
    for (int i = 0; i < sqlite3_column_count(statement_); ++i)
        columns_ << QString::fromUtf8(sqlite3_column_name(statement_, i));
    lastTexts_.resize(size_t(columns_.size()));
}

SqliteRows::~SqliteRows()
{
    pause();
    sqlite3_finalize(statement_);
}

void SqliteRows::fail(const QString& engineText) const
{
    throw StatementRefused(engineText, shown_);
}

bool SqliteRows::next()
{
    if (++index_ < current_.rows)
        return true;
    std::unique_lock lock(mutex_);
    if (current_.rows > 0) {
        current_.clear();
        spare_.push_back(std::move(current_));
    }
    current_ = Batch();
    index_ = 0;
    if (!begun_) {
        // The first row runs the statement (its joins and its sort) on the caller's thread, whose
        // memory the engine then leaves to the caller; the reading ahead starts with the second.
        begun_ = true;
        if (stepInto(current_))
            return true;
        finished_ = true;
    }
    for (;;) {
        if (!ready_.empty()) {
            current_ = std::move(ready_.front());
            ready_.pop_front();
            // A reader waiting for room is woken once half the batches are taken, to read them
            // again in one go, rather than for every batch.
            if (ready_.size() <= ReadyBatches / 2)
                changed_.notify_all();
            return true;
        }
        if (finished_) {
            if (!refusal_.isEmpty())
                fail(refusal_);
            return false;
        }
        if (!reading_) {
            if (reader_.joinable())
                reader_.join();
            reading_ = true;
            try {
                reader_ = std::thread([this] { readAhead(); });
            } catch (...) {
                reading_ = false;   // no second thread: the caller hears why, and nothing waits for it
                throw;
            }
        }
        changed_.wait(lock);
    }
}

void SqliteRows::pause()
{
    {
        std::lock_guard lock(mutex_);
        stopAsked_ = true;
    }
    changed_.notify_all();
    if (reader_.joinable())
        reader_.join();
    std::lock_guard lock(mutex_);
    stopAsked_ = false;
}

bool SqliteRows::stepInto(Batch& batch)
{
    const int result = sqlite3_step(statement_);
    if (result != SQLITE_ROW) {
        if (result != SQLITE_DONE)
            refusal_ = QString::fromUtf8(sqlite3_errmsg(handle_));   // taken before the connection runs anything else
        return false;
    }
    for (int column = 0; column < columns_.size(); ++column) {
        batch.cells.push_back(batch.size);
        const int type = sqlite3_column_type(statement_, column);
        switch (type) {
        case SQLITE_NULL: *batch.room(1) = char(type); break;
        case SQLITE_INTEGER: PutBytes(PutBytes(batch.room(1 + sizeof(qint64)), char(type)), qint64(sqlite3_column_int64(statement_, column))); break;
        case SQLITE_FLOAT: PutBytes(PutBytes(batch.room(1 + sizeof(double)), char(type)), sqlite3_column_double(statement_, column)); break;
        default: {
            const char* data = type == SQLITE_BLOB ? static_cast<const char*>(sqlite3_column_blob(statement_, column))
                                                   : reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
            const quint32 size = quint32(sqlite3_column_bytes(statement_, column));
            char* at = PutBytes(PutBytes(batch.room(1 + sizeof size + size), char(type)), size);
            CopyShort(at, data, size);
        }
        }
    }
    ++batch.rows;
    return true;
}

void SqliteRows::readAhead()
{
    try {
        readBatches();
    } catch (const std::exception& e) {
        // Memory ran out while rows were copied: the reading ends there, and the caller is told so
        // when he comes to it, as of a row the engine refused.
        std::lock_guard lock(mutex_);
        refusal_ = QString::fromLocal8Bit(e.what());
        finished_ = true;
        reading_ = false;
        changed_.notify_all();
    }
}

void SqliteRows::readBatches()
{
    for (;;) {
        Batch batch;
        {
            std::lock_guard lock(mutex_);
            if (!spare_.empty()) {
                batch = std::move(spare_.back());
                spare_.pop_back();
            }
        }
        bool more = true;
        bool stop = false;
        while (more && batch.rows < BatchRows && !stop) {
            more = stepInto(batch);
            if (batch.rows % 32 == 0) {
                std::lock_guard lock(mutex_);
                stop = stopAsked_;
            }
        }
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return ready_.size() < ReadyBatches || stopAsked_; });
        // Rows stepped are kept even when asked to stop: the statement has passed them.
        if (batch.rows > 0)
            ready_.push_back(std::move(batch));
        if (!more)
            finished_ = true;
        if (!more || stop || stopAsked_) {
            reading_ = false;
            changed_.notify_all();
            return;
        }
        changed_.notify_all();
    }
}

QVariant SqliteRows::value(int column) const
{
    const char* at = cell(column);
    switch (*at) {
    case SQLITE_NULL: return {};
    case SQLITE_INTEGER: return QVariant(Read<qint64>(at + 1));
    case SQLITE_FLOAT: return QVariant(Read<double>(at + 1));
    case SQLITE_BLOB: return Bytes(at).toByteArray();
    default: return QString::fromUtf8(Bytes(at));
    }
}

// Texts and numbers, most of what a selection reads, are taken without forming a variant.
QString SqliteRows::text(int column) const
{
    const char* at = cell(column);
    switch (*at) {
    case SQLITE_NULL: return {};
    case SQLITE_TEXT: {
        // The lines of one employee repeat his columns: a text read before is given again.
        const QByteArrayView bytes = Bytes(at);
        LastText& last = lastTexts_[size_t(column)];
        if (!last.text.isNull() && QByteArrayView(last.bytes) == bytes)
            return last.text;
        last.bytes.assign(bytes.data(), size_t(bytes.size()));
        last.text = QString::fromUtf8(bytes);
        return last.text;
    }
    default: return ResultRows::text(column);
    }
}

std::optional<double> SqliteRows::amount(int column) const
{
    const char* at = cell(column);
    switch (*at) {
    case SQLITE_TEXT: return values::ParseAmount(QString::fromUtf8(Bytes(at)));
    case SQLITE_BLOB: return std::nullopt;
    default: return number(column);
    }
}

double SqliteRows::number(int column) const
{
    const char* at = cell(column);
    switch (*at) {
    case SQLITE_NULL: return 0;
    case SQLITE_INTEGER: return double(Read<qint64>(at + 1));
    case SQLITE_FLOAT: return Read<double>(at + 1);
    default: return ResultRows::number(column);
    }
}

} // namespace db
