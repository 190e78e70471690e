#pragma once
// Named databases of the host runtime. The company database is "RurIzov"; names compare without case.
// The module writes SQL Server statements; an SQLite or PostgreSQL database translates them
// (sqlserver_dialect.h).
#include "runtime/db/server_address.h"
#include <QSqlDatabase>
#include <QString>
#include <functional>
#include <QStringList>
#include <memory>
#include <stdexcept>
#include <vector>

class QSqlError;
class QSqlRecord;

namespace db {

enum class Engine { SQLite, SqlServer, PostgreSQL };

// How the engine writes dates in SQL: mode 0 month-day-year, 1 day-month-year, 2 year-month-day.
struct DateFormat {
    int mode = 2;
    QChar separator = u'-';
};

struct ConnectionSettings {
    Engine engine = Engine::SQLite;
    QString sqliteFile;     // SQLite: the database file
    QString odbcConnection; // SQL Server: an ODBC connection string (FreeTDS), sent as given
    ServerAddress server;   // PostgreSQL: the server's address
    DateFormat dateFormat;  // SQL Server: the DATEFORMAT the connection sets; SQLite: always 2 and '-'
    // SQLite: how long to wait for another connection's write; PostgreSQL: for any lock (its
    // lock_timeout, unless the address sets one).
    int busyTimeoutMs = 10000;
};

// Raised for every database failure; the message carries the engine's own text.
class DatabaseError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class MDatabase {
public:
    MDatabase(const QString& name, const ConnectionSettings& settings);
    ~MDatabase();
    const QString& name() const { return name_; }
    Engine engine() const { return settings_.engine; }
    DateFormat dateFormat() const { return settings_.dateFormat; }
    const ConnectionSettings& settings() const { return settings_; }

    bool connected() const;   // the shared connection is open
    // Off: closes every connection of this database, the shared one and each query's own, and refuses
    // any further use (DatabaseError) until it is switched on again. On: opens the shared connection
    // and reopens each query's own; what those held for the session (temporary tables) is gone.
    void setConnected(bool on);
    // The shared connection of this database (opened on first use).
    QSqlDatabase connection();
    // A new connection of its own, for a query whose temporary tables must not be shared.
    // `beforeClose` runs whenever this database closes the connection: the query lets go of the
    // statements it reads the engine with, which would otherwise keep the connection from closing.
    QSqlDatabase openPrivateConnection(const QString& owner, std::function<void()> beforeClose = {});
    // Closes and forgets a connection that openPrivateConnection gave (its temporary tables go with it).
    static void ClosePrivateConnection(QSqlDatabase& connection);
    // The columns of a table the module names without quotes, as the shared connection finds it:
    // PostgreSQL keeps such a name in lower case. Empty when there is no such table.
    QSqlRecord tableColumns(const QString& table);
    // The statement as this engine must run it (SQL Server text is translated for SQLite and PostgreSQL).
    QString translate(const QString& statement) const;

private:
    QSqlDatabase createConnection(const QString& connectionName) const;
    void openConnection(QSqlDatabase& conn) const;
    void refuseWhenClosed() const;
    struct PrivateConnection {
        QString name;
        std::function<void()> beforeClose;
    };
    // The private connections given out that still exist.
    const std::vector<PrivateConnection>& livePrivateConnections();
    QString name_;
    ConnectionSettings settings_;
    QString connectionName_;
    std::vector<PrivateConnection> privateConnections_;
    bool closed_ = false;   // switched off: no connection may be used or opened
};

// The registry of named databases.
class Session {
public:
    // The runtime's default session; null until a host creates it with CreateDefault.
    static Session* Default();
    static Session* CreateDefault();
    static void DestroyDefault();

    MDatabase* findDatabase(const QString& name) const;          // without regard to case; null if absent
    MDatabase& database(const QString& name) const;             // raises DatabaseError if absent
    MDatabase& addDatabase(const QString& name, const ConnectionSettings& settings);   // replaces one of that name
    void removeDatabase(const QString& name);

private:
    std::vector<std::unique_ptr<MDatabase>> databases_;
};

// The error for a statement the engine refused: what failed, the engine's text, and the statement;
// with an empty `what`, a statement the database refused (StatementRefused).
DatabaseError QueryFailure(const QString& what, const QSqlError& error, const QString& statement = QString());
// A statement the database refused: a column or table the company database lacks is named in the
// clerk's words; any other refusal gives the engine's text and the statement.
DatabaseError StatementRefused(const QString& engineText, const QString& statement);
// The default session; raises DatabaseError when no host has created it.
Session* RequireDefaultSession();

// Name of the company database, and of the system database that holds the table Comp.
inline const QString CompanyDatabaseName = QStringLiteral("RurIzov");
inline const QString SystemDatabaseName = QStringLiteral("SYSTEM");

} // namespace db
