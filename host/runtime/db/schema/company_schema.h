#pragma once
// The tables of the company database, as statements that create them empty, and the indexes,
// made after a bulk load (which is faster without them).
#include <QSqlDatabase>
#include <QStringList>

namespace db {

QStringList CompanySchemaTables();
QStringList CompanySchemaIndexes();
// The names of the tables, in the order the schema creates them.
QStringList CompanyTableNames();

// Creates the company tables on `connection` (a server's database; its own transaction is the
// caller's). A database that holds any of them already is refused with a message naming it by
// `shownName` and the tables found, unless `replace` is set: then those tables are dropped first.
// Raises DatabaseError.
void CreateCompanyTables(QSqlDatabase& connection, const QString& shownName, bool replace);
// Creates the indexes, after the tables are filled.
void CreateCompanyIndexes(QSqlDatabase& connection);

} // namespace db
