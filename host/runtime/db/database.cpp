#include "runtime/db/database.h"
#include "runtime/db/postgres_connection.h"
#include "runtime/db/sqlserver_dialect.h"
#include "runtime/host_texts.h"
#include "runtime/language.h"
#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace db {
namespace {

// Every Qt connection needs a name of its own.
QString NewConnectionName(const QString& database, const QString& owner)
{
    static quint64 counter = 0;
    return QStringLiteral("%1/%2/%3").arg(database, owner).arg(++counter);
}

QString EngineText(const QSqlError& error)
{
    QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    // Qt's PostgreSQL driver closes the server's text with its code in brackets, empty for an
    // error of the client library's own.
    if (text.endsWith(QLatin1String("()")))
        text.chop(2);
    return text.trimmed();
}

const char* DateFormatCommand(int mode)
{
    switch (mode) {
    case 0: return "SET DATEFORMAT mdy";
    case 1: return "SET DATEFORMAT dmy";
    default: return "SET DATEFORMAT ymd";
    }
}

} // namespace

MDatabase::MDatabase(const QString& name, const ConnectionSettings& settings)
    : name_(name), settings_(settings), connectionName_(NewConnectionName(name, QStringLiteral("shared")))
{
    if (settings_.engine == Engine::SQLite)
        settings_.dateFormat = DateFormat{};
}

MDatabase::~MDatabase()
{
    if (QSqlDatabase::contains(connectionName_)) {
        QSqlDatabase::database(connectionName_, false).close();
        QSqlDatabase::removeDatabase(connectionName_);
    }
}

bool MDatabase::connected() const
{
    return QSqlDatabase::contains(connectionName_) && QSqlDatabase::database(connectionName_, false).isOpen();
}

const std::vector<MDatabase::PrivateConnection>& MDatabase::livePrivateConnections()
{
    std::erase_if(privateConnections_, [](const PrivateConnection& c) { return !QSqlDatabase::contains(c.name); });
    return privateConnections_;
}

void MDatabase::setConnected(bool on)
{
    closed_ = !on;
    if (!on) {
        if (QSqlDatabase::contains(connectionName_))
            QSqlDatabase::database(connectionName_, false).close();
        for (const PrivateConnection& c : livePrivateConnections()) {
            if (c.beforeClose)
                c.beforeClose();
            QSqlDatabase::database(c.name, false).close();
        }
        return;
    }
    connection();
    for (const PrivateConnection& c : livePrivateConnections()) {
        QSqlDatabase conn = QSqlDatabase::database(c.name, false);
        if (!conn.isOpen())
            openConnection(conn);
    }
}

void MDatabase::refuseWhenClosed() const
{
    if (closed_)
        throw DatabaseError(LoadFormResourceStr(QStringLiteral("RAR1HOST"), 350).arg(name_).toStdString());
}

QSqlDatabase MDatabase::connection()
{
    refuseWhenClosed();
    QSqlDatabase conn = QSqlDatabase::contains(connectionName_) ? QSqlDatabase::database(connectionName_, false)
                                                                : createConnection(connectionName_);
    if (!conn.isOpen())
        openConnection(conn);
    return conn;
}

QSqlDatabase MDatabase::openPrivateConnection(const QString& owner, std::function<void()> beforeClose)
{
    refuseWhenClosed();
    QSqlDatabase conn = createConnection(NewConnectionName(name_, owner));
    try {
        openConnection(conn);
    } catch (...) {
        ClosePrivateConnection(conn);
        throw;
    }
    livePrivateConnections();
    privateConnections_.push_back({conn.connectionName(), std::move(beforeClose)});
    return conn;
}

void MDatabase::ClosePrivateConnection(QSqlDatabase& connection)
{
    const QString name = connection.connectionName();
    connection.close();
    connection = QSqlDatabase();
    if (!name.isEmpty())
        QSqlDatabase::removeDatabase(name);
}

QSqlRecord MDatabase::tableColumns(const QString& table)
{
    return connection().record(settings_.engine == Engine::PostgreSQL ? table.toLower() : table);
}

QString MDatabase::translate(const QString& statement) const
{
    return settings_.engine == Engine::SqlServer ? statement : SqlServerToStandardSql(statement);
}

QSqlDatabase MDatabase::createConnection(const QString& connectionName) const
{
    if (settings_.engine == Engine::SQLite) {
        QSqlDatabase conn = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
        conn.setDatabaseName(settings_.sqliteFile);
        // Another connection may be writing (the bank parameters, a second window): wait for it.
        conn.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(settings_.busyTimeoutMs));
        return conn;
    }
    if (settings_.engine == Engine::PostgreSQL)
        return CreateServerConnection(settings_.server, connectionName);
    QSqlDatabase conn = QSqlDatabase::addDatabase(QStringLiteral("QODBC"), connectionName);
    conn.setDatabaseName(settings_.odbcConnection);
    return conn;
}

void MDatabase::openConnection(QSqlDatabase& conn) const
{
    // SQLite would quietly create an empty database for a mistyped path; the clerk would then only
    // see "no such table". Say what is really wrong.
    if (settings_.engine == Engine::SQLite && settings_.sqliteFile != QLatin1String(":memory:")
        && !QFileInfo::exists(settings_.sqliteFile))
        throw DatabaseError(HostText(300).arg(name_, settings_.sqliteFile).toStdString());
    if (!conn.open())
        throw DatabaseError(HostText(301).arg(name_, EngineText(conn.lastError())).toStdString());
    if (settings_.engine == Engine::SQLite) {
        // SQLite opens any file and only its first read finds out what it is: read the schema now,
        // so that a file that is no database is named as such and not as a missing table.
        QSqlQuery probe(conn);
        if (!probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"))) {
            const QString why = EngineText(probe.lastError());
            probe = QSqlQuery();
            conn.close();
            throw DatabaseError(HostText(301).arg(name_, why).toStdString());
        }
    }
    if (settings_.engine == Engine::PostgreSQL)
        PrepareServerSession(conn, settings_.busyTimeoutMs);
    if (settings_.engine == Engine::SqlServer) {
        QSqlQuery set(conn);
        if (!set.exec(QLatin1String(DateFormatCommand(settings_.dateFormat.mode))))
            throw DatabaseError(QStringLiteral("The database \"%1\" refused its date format: %2")
                                    .arg(name_, EngineText(set.lastError()))
                                    .toStdString());
    }
}

// ---- Session ---------------------------------------------------------------------------------

namespace {
std::unique_ptr<Session>& DefaultSession()
{
    static std::unique_ptr<Session> session;
    return session;
}
} // namespace

Session* Session::Default()
{
    return DefaultSession().get();
}

Session* Session::CreateDefault()
{
    if (!DefaultSession()) {
        DefaultSession() = std::make_unique<Session>();
        // The connections must close while Qt's registry of connections still exists: a host that
        // leaves without destroying the session (an error on the way out) would otherwise crash in
        // the static destructors. Post routines run when the application object goes.
        if (QCoreApplication::instance()) {
            qRemovePostRoutine(&Session::DestroyDefault);
            qAddPostRoutine(&Session::DestroyDefault);
        }
    }
    return DefaultSession().get();
}

void Session::DestroyDefault()
{
    DefaultSession().reset();
}

MDatabase* Session::findDatabase(const QString& name) const
{
    for (const auto& db : databases_)
        if (db->name().compare(name, Qt::CaseInsensitive) == 0)
            return db.get();
    return nullptr;
}

MDatabase& Session::database(const QString& name) const
{
    if (MDatabase* db = findDatabase(name))
        return *db;
    throw DatabaseError(QStringLiteral("The database \"%1\" is not set up.").arg(name).toStdString());
}

MDatabase& Session::addDatabase(const QString& name, const ConnectionSettings& settings)
{
    removeDatabase(name);
    databases_.push_back(std::make_unique<MDatabase>(name, settings));
    return *databases_.back();
}

void Session::removeDatabase(const QString& name)
{
    std::erase_if(databases_, [&](const auto& db) { return db->name().compare(name, Qt::CaseInsensitive) == 0; });
}

DatabaseError QueryFailure(const QString& what, const QSqlError& error, const QString& statement)
{
    // Another connection holds the database longer than we wait: SQLite's "busy" and "locked";
    // PostgreSQL's lock timeout, deadlock and a snapshot overtaken by another clerk's change.
    static const QStringList busy = {QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("55P03"),
                                     QStringLiteral("40P01"), QStringLiteral("40001")};
    const QString code = error.nativeErrorCode();
    if (busy.contains(code))
        return DatabaseError(HostText(302).arg(what).toStdString());
    // The server gone: a connection failure (08...), a shutdown (57P01 to 57P03), or an error the
    // client library raised itself, with the engine's text but no code (PostgreSQL's server gives
    // a code with every error it sends). What was asked of it is moot, and so is the statement.
    if (code.startsWith(QLatin1String("08")) || code.startsWith(QLatin1String("57P0"))
        || (code.isEmpty() && !error.databaseText().isEmpty()))
        return DatabaseError(HostText(306).arg(EngineText(error)).toStdString());
    if (what.isEmpty())
        return StatementRefused(EngineText(error), statement);
    QString message = QStringLiteral("%1: %2").arg(what, EngineText(error));
    if (!statement.isEmpty())
        message += QStringLiteral("\nStatement: ") + statement;
    return DatabaseError(message.toStdString());
}

DatabaseError StatementRefused(const QString& engineText, const QString& statement)
{
    // A company database without a column or table the module reads: the clerk is told which,
    // in his language, not shown the statement.
    static const QRegularExpression missing(
        QStringLiteral("^(?:no such (column|table): (\\S+)|Invalid (column|object) name '([^']+)')"), QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = missing.match(engineText);
    if (match.hasMatch()) {
        const bool column = !match.captured(1).isEmpty() ? match.captured(1).toLower() == u"column" : match.captured(3).toLower() == u"column";
        const QString name = !match.captured(2).isEmpty() ? match.captured(2) : match.captured(4);
        return DatabaseError(HostText(column ? 308 : 309).arg(name).toStdString());
    }
    QString message = HostText(310).arg(engineText);
    if (!statement.isEmpty())
        message += u'\n' + statement;
    return DatabaseError(message.toStdString());
}

Session* RequireDefaultSession()
{
    if (Session* session = Session::Default())
        return session;
    throw DatabaseError("No database session has been set up.");
}

} // namespace db
