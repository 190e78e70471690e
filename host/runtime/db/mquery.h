#pragma once
// A query on one private connection of a named database: one statement at a time, and temporary
// tables (#TF_FS1) persist between its statements. An opened result is read from the database row by
// row with first/next/eof, so a large selection never sits in memory as a whole. Reading a field
// after the last row gives NULL.
#include "runtime/db/database.h"
#include <QStringList>
#include <QVariant>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QSqlQuery;

namespace db {

class ResultRows;
class StatementWatch;

// A host may watch the statements that queries run, as the engine runs them (a benchmark repeats a
// transfer's selection on its own); none is watched unless a watcher is set. Statements a query
// runs to count its rows are not shown.
void WatchQueryStatements(std::function<void(const QString&)> watcher);

class MQuery {
public:
    explicit MQuery(const QString& databaseName);
    ~MQuery();
    MQuery(const MQuery&) = delete;              // the connection, and its temporary tables, are its own
    MQuery& operator=(const MQuery&) = delete;

    QStringList& SQL() { return sql_; }          // the statement, as lines joined by line ends
    void setSql(const QString& statement);
    QString statementText() const;               // the lines joined as they are sent

    void open();      // runs the statement and stands on its first row
    void execSQL();   // runs a statement that returns no rows
    void close();

    // From beginSnapshot() to endSnapshot() the statements of this query see one state of the
    // database, whatever other clerks commit meanwhile: on a server (PostgreSQL) they run in one
    // REPEATABLE READ transaction, which endSnapshot() commits after closing the open result (what
    // they created, a temporary table, stays). The embedded SQLite file and SQL Server run them as
    // before. abandonSnapshot() rolls it back quietly, for a selection that failed; so do the
    // query's end and its connection's closing.
    void beginSnapshot();
    void endSnapshot();
    void abandonSnapshot() noexcept;
    bool active() const { return active_; }

    // While a statement of this query runs on an embedded SQLite connection, `stillWanted` is asked
    // every few tens of milliseconds (the caller's windows may repaint there); when it answers no,
    // the statement stops and raises StatementCancelled. Null: statements run unwatched.
    void watchStatements(std::function<bool()> stillWanted);

    // The rows of the open statement, counted by the database on first use.
    int recordCount() const;
    bool isEmpty() const { return empty_; }
    void first();     // back to the first row (the statement runs again when rows were passed)
    void next();
    bool eof() const { return !onRow_; }

    int fieldIndex(const QString& name) const;           // raises for an unknown column
    QVariant value(int index) const;                     // null QVariant after the last row or for NULL
    QVariant fieldByName(const QString& name) const { return value(fieldIndex(name)); }
    QString asString(const QString& name) const;         // NULL gives ""
    double asFloat(const QString& name) const;           // NULL gives 0
    QString asString(int index) const;
    double asFloat(int index) const;
    // An amount: NULL gives 0, a text that is no number gives none (see ResultRows::amount).
    std::optional<double> asAmount(int index) const;
    const QStringList& fieldNames() const { return columns_; }

private:
    QSqlDatabase& connection();                // this query's own connection, opened on first use
    QSqlQuery run(const QString& statement);   // sends on this query's own connection
    void fetch();
    void checkColumn(int index) const;   // raises for a column the result does not have
    int countRows() const;
    // Runs `work`; an engine failure that came of the watch stopping the statement raises StatementCancelled.
    template <typename Work>
    void runWatched(Work&& work) const;
    QString databaseName_;
    QStringList sql_;
    QSqlDatabase conn_;
    std::unique_ptr<ResultRows> rows_;
    QStringList columns_;
    int position_ = 0;          // rows passed since the statement ran
    bool onRow_ = false;
    bool empty_ = true;
    bool active_ = false;
    bool inSnapshot_ = false;
    mutable int count_ = -1;
    std::function<bool()> stillWanted_;
    std::unique_ptr<StatementWatch> watch_;   // on the open connection, while statements are watched
};

} // namespace db
