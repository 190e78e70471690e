#include "runtime/db/mquery.h"
#include <QSqlError>
#include <QSqlQuery>
#include "runtime/db/result_rows.h"
#include "runtime/db/sql_tokenizer.h"
#include "runtime/db/statement_watch.h"


namespace db {

namespace {

std::function<void(const QString&)>& statementWatcher()
{
    static std::function<void(const QString&)> watcher;
    return watcher;
}

// The statement as the engine runs it, shown to the watcher if there is one.
QString translated(MDatabase& database, const QString& statement)
{
    QString text = database.translate(statement);
    if (statementWatcher())
        statementWatcher()(text);
    return text;
}

} // namespace

void WatchQueryStatements(std::function<void(const QString&)> watcher)
{
    statementWatcher() = std::move(watcher);
}

MQuery::MQuery(const QString& databaseName) : databaseName_(databaseName) {}

MQuery::~MQuery()
{
    rows_.reset();
    watch_.reset();
    if (conn_.isValid())
        MDatabase::ClosePrivateConnection(conn_);
}

void MQuery::setSql(const QString& statement)
{
    sql_ = QStringList{statement};
}

QString MQuery::statementText() const
{
    return sql_.join(u'\n');
}

namespace {

// The statement without its closing ORDER BY, so that it can stand as a derived table.
QString WithoutClosingOrder(const QString& statement)
{
    const std::vector<SqlToken> tokens = TokenizeSql(statement);
    int depth = 0;
    int cut = -1;
    int offset = 0;
    for (size_t i = 0; i < tokens.size(); ++i) {
        const SqlToken& token = tokens[i];
        if (token.isSymbol("("))
            ++depth;
        else if (token.isSymbol(")"))
            --depth;
        else if (depth == 0 && token.isWord("ORDER")) {
            size_t next = i + 1;
            while (next < tokens.size() && !tokens[next].significant())
                ++next;
            if (next < tokens.size() && tokens[next].isWord("BY"))
                cut = offset;
        }
        offset += int(token.text.size());
    }
    return cut < 0 ? statement : statement.left(cut);
}

} // namespace

void MQuery::open()
{
    close();
    MDatabase& database = RequireDefaultSession()->database(databaseName_);
    QSqlDatabase& conn = connection();
    // SQL Server's connection serves one result at a time, read while it streams: count before
    // reading. SQLite's and PostgreSQL's rows let a count run between them, when it is asked for.
    if (database.engine() == Engine::SqlServer)
        count_ = countRows();
    const QString statement = statementText();
    runWatched([&] { rows_ = OpenRows(conn, translated(database, statement), statement); });
    columns_ = rows_->columns();
    active_ = true;
    fetch();
    empty_ = !onRow_;
}

void MQuery::fetch()
{
    runWatched([this] { onRow_ = rows_ && rows_->next(); });
}

void MQuery::watchStatements(std::function<bool()> stillWanted)
{
    watch_.reset();
    stillWanted_ = std::move(stillWanted);
    if (stillWanted_ && conn_.isValid() && conn_.isOpen())
        watch_ = std::make_unique<StatementWatch>(conn_, stillWanted_);
}

template <typename Work>
void MQuery::runWatched(Work&& work) const
{
    if (watch_)
        watch_->restart();
    try {
        work();
    } catch (const DatabaseError&) {
        if (watch_ && watch_->interrupted())
            throw StatementCancelled();
        throw;
    }
}

void MQuery::next()
{
    if (!onRow_)
        return;
    ++position_;
    fetch();
}

void MQuery::first()
{
    if (!active_ || position_ == 0)
        return;
    const int counted = count_;
    open();
    count_ = counted;
}

int MQuery::recordCount() const
{
    if (!active_)
        return 0;
    if (count_ < 0)
        count_ = countRows();
    return count_;
}

int MQuery::countRows() const
{
    MDatabase& database = RequireDefaultSession()->database(databaseName_);
    const QString statement = QStringLiteral("Select COUNT(*) From (%1) As Counted").arg(WithoutClosingOrder(statementText()));
    if (rows_)
        rows_->pause();   // the connection runs one statement at a time
    QSqlQuery query(conn_);
    query.setForwardOnly(true);
    runWatched([&] {
        if (!query.exec(database.translate(statement)) || !query.next())
            throw QueryFailure(QString(), query.lastError(), statement);
    });
    return query.value(0).toInt();
}

void MQuery::execSQL()
{
    close();
    MDatabase& database = RequireDefaultSession()->database(databaseName_);
    const QString statement = statementText();
    // On a PostgreSQL server the statement runs through libpq, where the clerk's cancel reaches it.
    if (database.engine() == Engine::PostgreSQL)
        runWatched([&] { OpenRows(connection(), translated(database, statement), statement); });
    else
        runWatched([&] { run(statement).finish(); });
}

void MQuery::beginSnapshot()
{
    abandonSnapshot();
    close();   // rows read outside the snapshot end before it begins
    if (RequireDefaultSession()->database(databaseName_).engine() != Engine::PostgreSQL)
        return;
    run(QStringLiteral("BEGIN ISOLATION LEVEL REPEATABLE READ")).finish();
    inSnapshot_ = true;
}

void MQuery::endSnapshot()
{
    if (!inSnapshot_)
        return;
    close();
    inSnapshot_ = false;
    if (conn_.isOpen())
        run(QStringLiteral("COMMIT")).finish();
}

void MQuery::abandonSnapshot() noexcept
{
    if (!inSnapshot_)
        return;
    close();
    inSnapshot_ = false;
    if (conn_.isOpen())
        QSqlQuery(conn_).exec(QStringLiteral("ROLLBACK"));
}

void MQuery::close()
{
    rows_.reset();
    columns_.clear();
    position_ = 0;
    onRow_ = false;
    empty_ = true;
    active_ = false;
    count_ = -1;
}

int MQuery::fieldIndex(const QString& name) const
{
    // A column is asked for by its own name as often as not: that is found without folding case.
    for (int i = 0; i < columns_.size(); ++i)
        if (columns_[i] == name)
            return i;
    for (int i = 0; i < columns_.size(); ++i)
        if (columns_[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    throw DatabaseError(QStringLiteral("The query result has no column %1.").arg(name).toStdString());
}

void MQuery::checkColumn(int index) const
{
    if (index < 0 || index >= columns_.size())
        throw DatabaseError(QStringLiteral("The query result has no column %1.").arg(index).toStdString());
}

QVariant MQuery::value(int index) const
{
    checkColumn(index);
    return onRow_ ? rows_->value(index) : QVariant();
}

QString MQuery::asString(int index) const
{
    checkColumn(index);
    return onRow_ ? rows_->text(index) : QString();
}

double MQuery::asFloat(int index) const
{
    checkColumn(index);
    return onRow_ ? rows_->number(index) : 0.0;
}

std::optional<double> MQuery::asAmount(int index) const
{
    checkColumn(index);
    return onRow_ ? rows_->amount(index) : 0.0;
}

QString MQuery::asString(const QString& name) const
{
    return asString(fieldIndex(name));
}

double MQuery::asFloat(const QString& name) const
{
    return asFloat(fieldIndex(name));
}

QSqlDatabase& MQuery::connection()
{
    if (!conn_.isValid() || !conn_.isOpen()) {
        if (conn_.isValid())
            MDatabase::ClosePrivateConnection(conn_);
        // The rows read straight from SQLite hold a statement of the connection, which could then
        // not be closed: a database that closes the connection first ends the reading (and with
        // the connection goes a snapshot's transaction).
        conn_ = RequireDefaultSession()->database(databaseName_).openPrivateConnection(QStringLiteral("query"), [this] {
            close();
            inSnapshot_ = false;
            watch_.reset();
        });
        if (stillWanted_)
            watch_ = std::make_unique<StatementWatch>(conn_, stillWanted_);
    }
    return conn_;
}

QSqlQuery MQuery::run(const QString& statement)
{
    MDatabase& database = RequireDefaultSession()->database(databaseName_);
    QSqlQuery query(connection());
    query.setForwardOnly(true);
    if (!query.exec(translated(database, statement)))
        throw QueryFailure(QString(), query.lastError(), statement);
    return query;
}

} // namespace db
