#pragma once
// The rows of a statement on an embedded SQLite connection, read straight from the engine. While
// the caller takes in one batch of rows, a second thread steps the statement for the next ones, so
// a large selection costs the engine's time and little more. The connection serves one thread at a
// time: before it runs another statement, pause() stops the reading ahead; the rows already read
// are kept, and reading goes on at the next call of next().
#include "runtime/db/result_rows.h"

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace db {

class SqliteRows : public ResultRows {
public:
    // Prepares `statement`; raises DatabaseError with the engine's text, naming `shownStatement`.
    SqliteRows(sqlite3* handle, const QString& statement, const QString& shownStatement);
    ~SqliteRows() override;

    QStringList columns() const override { return columns_; }
    bool next() override;
    QVariant value(int column) const override;
    QString text(int column) const override;
    double number(int column) const override;
    std::optional<double> amount(int column) const override;
    void pause() override;

private:
    // Rows as the engine gave them, one cell after another: its type as a byte, then a number of
    // eight bytes, or a length of four and the text's UTF-8 bytes. A batch is used again once read.
    struct Batch {
        std::unique_ptr<char[]> bytes;   // written a cell at a time, never filled beforehand
        size_t size = 0, capacity = 0;
        std::vector<size_t> cells;   // where each cell starts, row after row
        size_t rows = 0;
        void clear() { size = 0; cells.clear(); rows = 0; }
        char* room(size_t count);    // the next `count` bytes, at the end
    };

    const char* cell(int column) const { return current_.bytes.get() + current_.cells[index_ * size_t(columns_.size()) + size_t(column)]; }
    void readAhead();              // the second thread's work
    void readBatches();            // its loop
    bool stepInto(Batch& batch);   // one row more; false at the end or on the engine's refusal
    [[noreturn]] void fail(const QString& engineText) const;

    sqlite3* handle_ = nullptr;
    sqlite3_stmt* statement_ = nullptr;
    QString shown_;
    QStringList columns_;

    // The last text read from each column, with the bytes it was read from.
    struct LastText {
        std::string bytes;
        QString text;
    };
    mutable std::vector<LastText> lastTexts_;

    Batch current_;       // the batch the caller stands in
    size_t index_ = 0;    // the row of it the caller stands on
    bool begun_ = false;  // the first row was stepped

    std::mutex mutex_;                 // guards what follows
    std::condition_variable changed_;
    std::deque<Batch> ready_;          // read ahead, not yet taken
    std::vector<Batch> spare_;         // read, to be filled again
    bool reading_ = false;             // the second thread steps the statement
    bool stopAsked_ = false;
    bool finished_ = false;            // the statement gave its last row, or was refused
    QString refusal_;                  // the engine's text when it refused a row
    std::thread reader_;
};

} // namespace db
