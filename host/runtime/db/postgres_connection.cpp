#include "runtime/db/postgres_connection.h"

#include "runtime/db/database.h"

#include <QSqlError>
#include <QSqlQuery>

namespace db {
namespace {

// A value in libpq's keyword='value' form.
QString Quoted(QString value)
{
    value.replace(u'\\', QLatin1String("\\\\"));
    value.replace(u'\'', QLatin1String("\\'"));
    return u'\'' + value + u'\'';
}

// The keywords of the address that Qt's driver has no field for, and the defaults this module
// adds where neither the address nor libpq's environment chose.
QString ConnectOptions(const ServerAddress& address)
{
    static const QStringList ownFields = {QStringLiteral("host"), QStringLiteral("dbname"), QStringLiteral("user")};
    QStringList options;
    for (const auto& [key, value] : address.keywords)
        if (!ownFields.contains(key))
            options << key + u'=' + Quoted(value);
    const auto addDefault = [&](const QString& key, const char* environment, const QString& value) {
        if (address.value(key).isEmpty() && qEnvironmentVariableIsEmpty(environment))
            options << key + u'=' + Quoted(value);
    };
    addDefault(QStringLiteral("connect_timeout"), "PGCONNECT_TIMEOUT", QStringLiteral("10"));
    addDefault(QStringLiteral("application_name"), "PGAPPNAME", QStringLiteral("rar1"));
    return options.join(u';');
}

} // namespace

QSqlDatabase CreateServerConnection(const ServerAddress& address, const QString& connectionName)
{
    QSqlDatabase conn = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connectionName);
    conn.setHostName(address.value(QStringLiteral("host")));
    conn.setDatabaseName(address.value(QStringLiteral("dbname")));
    conn.setUserName(address.value(QStringLiteral("user")));
    conn.setPassword(address.password);
    conn.setConnectOptions(ConnectOptions(address));
    return conn;
}

void PrepareServerSession(QSqlDatabase& connection, int lockTimeoutMs)
{
    // The server's notices and warnings (one says it is shutting down) are no message for the
    // clerk: libpq would print them on the terminal. Its errors come with the statement refused.
    QSqlQuery set(connection);
    const QString statement = QStringLiteral("SELECT set_config('client_min_messages', 'error', false), "
                                             "set_config('lock_timeout', CASE current_setting('lock_timeout') WHEN '0' THEN '%1' "
                                             "ELSE current_setting('lock_timeout') END, false)")
                                  .arg(lockTimeoutMs);
    if (!set.exec(statement))
        throw QueryFailure(QStringLiteral("The database refused its lock timeout"), set.lastError());
}

} // namespace db
