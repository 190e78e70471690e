#pragma once
// Connections to a company database on a PostgreSQL server, through Qt's driver (libpq).
#include "runtime/db/server_address.h"
#include <QSqlDatabase>

namespace db {

// A connection named `connectionName` to the server at `address`, not yet opened. Unless the
// address (or libpq's environment) says otherwise it gives up on a server that does not answer
// within 10 seconds, and names itself "rar1" to the server.
QSqlDatabase CreateServerConnection(const ServerAddress& address, const QString& connectionName);
// Readies an opened connection: a lock wait ends after `lockTimeoutMs` unless the address set
// another lock_timeout, and the server sends no notices. Raises DatabaseError with its text.
void PrepareServerSession(QSqlDatabase& connection, int lockTimeoutMs);

// Taken first in every transaction that writes: the module's writers of one database queue here,
// as they do for SQLite's write lock, so that a lookup and the write that depends on it see the
// same rows. Readers never wait for it; it is let go at commit or rollback.
inline const QString ServerWriteLockStatement = QStringLiteral("SELECT pg_advisory_xact_lock(hashtext('rar1 company writes'))");

} // namespace db
