#pragma once
// The company database as a whole: made empty for a new company, and its company record (Comp).
#include <QMap>
#include <QString>
#include <QStringList>

namespace company {

// Creates an empty company database at `file` with the company `companyNumber` (no name yet), the
// tables the demo company has and their indexes. Refuses an existing file unless `replace`; the
// file is made beside its place and renamed into it only when complete. Raises std::runtime_error.
void CreateEmptyCompany(const QString& file, const QString& companyNumber, bool replace);

// The fields of the company record a clerk may set, in the order they are shown.
const QStringList& CompanyFields();
// The company's record, field by field (empty texts for a field not set).
QMap<QString, QString> ReadCompany(const QString& file, const QString& companyNumber);
// Sets fields of the company's record (a row is made when there is none). A field not among
// CompanyFields or a value that fails the data gate's checks raises std::invalid_argument.
void WriteCompany(const QString& file, const QString& companyNumber, const QMap<QString, QString>& fields);

} // namespace company
