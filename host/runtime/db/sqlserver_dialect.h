#pragma once
// The module writes its statements for SQL Server. A company database kept in SQLite needs the few
// SQL Server forms that SQLite does not understand rewritten:
//   Select <list> Into #T From ...   ->  CREATE TEMP TABLE "#T" AS Select <list> From ...
//   #T anywhere else                 ->  "#T"   (a temporary table of the connection)
//   name=expression in a select list ->  expression AS name
// String literals (with their doubled quotes), quoted names and comments pass through untouched.
// Everything else, SubString included (SQLite knows it), is left as written, and so is a statement
// that ends inside a literal, a quoted name or a comment.
#include <QString>

namespace db {

QString SqlServerToSqlite(const QString& statement);

} // namespace db
