#pragma once
// The module writes its statements for SQL Server. A company database kept in SQLite or on a
// PostgreSQL server needs the few SQL Server forms that neither understands rewritten, the same way
// for both:
//   Select <list> Into #T From ...   ->  CREATE TEMP TABLE "#T" AS Select <list> From ...
//   #T anywhere else                 ->  "#T"   (a temporary table of the connection)
//   name=expression in a select list ->  expression AS name
// String literals (with their doubled quotes), quoted names and comments pass through untouched.
// Everything else, SubString included (both know it), is left as written, and so is a statement
// that ends inside a literal, a quoted name or a comment: a form the engine does not know is
// refused by the engine, with its own message, rather than run with another meaning.
#include <QString>

namespace db {

QString SqlServerToStandardSql(const QString& statement);

} // namespace db
