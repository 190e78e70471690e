#pragma once
// The tables of the company database, as statements that create them empty, and the indexes,
// made after a bulk load (which is faster without them).
#include <QStringList>

namespace db {

QStringList CompanySchemaTables();
QStringList CompanySchemaIndexes();

} // namespace db
