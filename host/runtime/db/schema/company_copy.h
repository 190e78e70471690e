#pragma once
// Copies the rows of every company table from one database to another that holds the same tables
// (an SQLite company file onto a server), in statements of many rows each. The transaction is the
// caller's. Raises DatabaseError naming the table and the engine's text.
#include <QSqlDatabase>

namespace db {

// The rows copied, all tables together.
qint64 CopyCompanyRows(QSqlDatabase& from, QSqlDatabase& to);

} // namespace db
