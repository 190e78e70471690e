#include "company/company_file.h"

#include "company/company_database.h"
#include "company/import_texts.h"
#include "runtime/db/schema/company_schema.h"
#include "runtime/value_checks.h"

#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <sqlite3.h>

namespace company {

namespace {

// The longest value of each field, as the company table keeps it.
int FieldLength(const QString& field)
{
    static const QMap<QString, int> lengths = {{"NAME", 60}, {"ENG_NAME", 80}, {"UNI_NO", 10},
                                              {"TEL", 20},  {"FAX", 20},      {"CMP_ADR", 100}};
    return lengths.value(field);
}

void Run(sqlite3* db, const QString& sql, const QString& file)
{
    if (sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
        throw std::runtime_error(QStringLiteral("The company database %1 cannot be written: %2").arg(file, QString::fromUtf8(sqlite3_errmsg(db))).toStdString());
}

} // namespace

void CreateEmptyCompany(const QString& file, const QString& companyNumber, bool replace)
{
    if (QFileInfo::exists(file) && !replace)
        throw std::runtime_error(ImportString(DatabaseExists).arg(file).toStdString());
    const QString part = file + QStringLiteral(".part");
    QFile::remove(part);
    sqlite3* db = nullptr;
    const bool opened = sqlite3_open_v2(QFile::encodeName(part).constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) == SQLITE_OK;
    try {
        if (!opened)
            throw std::runtime_error(QStringLiteral("The company database %1 cannot be written.").arg(file).toStdString());
        Run(db, QStringLiteral("BEGIN"), file);
        for (const QString& statement : db::CompanySchemaTables() + db::CompanySchemaIndexes())
            Run(db, statement, file);
        Run(db, QStringLiteral("INSERT INTO Comp (COMPNO) VALUES ('%1')").arg(QString(companyNumber).replace(u'\'', QStringLiteral("''"))), file);
        Run(db, QStringLiteral("COMMIT"), file);
        sqlite3_close_v2(db);
        db = nullptr;
        if (std::rename(QFile::encodeName(part).constData(), QFile::encodeName(file).constData()) != 0)
            throw std::runtime_error(QStringLiteral("The company database %1 cannot be written.").arg(file).toStdString());
    } catch (...) {
        sqlite3_close_v2(db);
        QFile::remove(part);
        throw;
    }
}

const QStringList& CompanyFields()
{
    static const QStringList fields = {"NAME", "ENG_NAME", "UNI_NO", "TEL", "FAX", "CMP_ADR"};
    return fields;
}

QMap<QString, QString> ReadCompany(const QString& file, const QString& companyNumber)
{
    CompanyDatabase db(file);
    Statement read(db, "SELECT NAME,ENG_NAME,UNI_NO,TEL,FAX,CMP_ADR FROM Comp WHERE COMPNO=?");
    read.bind(1, companyNumber);
    QMap<QString, QString> record;
    const bool found = read.step();
    for (int i = 0; i < CompanyFields().size(); ++i)
        record.insert(CompanyFields()[i], found ? read.text(i) : QString());
    read.reset();
    return record;
}

void WriteCompany(const QString& file, const QString& companyNumber, const QMap<QString, QString>& fields)
{
    for (auto field = fields.cbegin(); field != fields.cend(); ++field) {
        if (!CompanyFields().contains(field.key()))
            throw std::invalid_argument(ImportString(UnknownCompanyField).arg(field.key(), CompanyFields().join(QStringLiteral(", "))).toStdString());
        std::optional<values::Fault> fault = values::HasControlCharacter(field.value()) ? std::optional(values::Fault::ControlCharacter) : std::nullopt;
        if (field.key() == u"UNI_NO" && !values::IsDigits(field.value()))
            fault = values::Fault::NotDigits;
        if (field.value().size() > FieldLength(field.key()))
            fault = values::Fault::TooLong;
        if (fault)
            throw std::invalid_argument(QStringLiteral("%1 \"%2\": %3").arg(field.key(), values::Shown(field.value()), values::FaultText(*fault)).toStdString());
    }
    CompanyDatabase db(file);
    QMap<QString, QString> record = ReadCompany(file, companyNumber);
    record.insert(fields);
    Transaction transaction(db);
    Statement write(db, "INSERT INTO Comp (COMPNO,NAME,ENG_NAME,UNI_NO,TEL,FAX,CMP_ADR) VALUES (?,?,?,?,?,?,?) "
                        "ON CONFLICT(COMPNO) DO UPDATE SET NAME=excluded.NAME,ENG_NAME=excluded.ENG_NAME,UNI_NO=excluded.UNI_NO,"
                        "TEL=excluded.TEL,FAX=excluded.FAX,CMP_ADR=excluded.CMP_ADR");
    write.bind(1, companyNumber);
    for (int i = 0; i < CompanyFields().size(); ++i)
        write.bind(i + 2, record.value(CompanyFields()[i]));
    write.run();
    transaction.commit();
}

} // namespace company
