#include "test_company.h"

#include "module/company_context.h"
#include "runtime/clock.h"
#include "runtime/config.h"
#include "runtime/db/database.h"
#include "runtime/db/schema/company_schema.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <stdexcept>

namespace {
const char* const CompanyRow =
    "INSERT INTO Comp (COMPNO, NAME, TEL, UNI_NO, CMP_ADR) VALUES ('01', '測試股份有限公司', '02-2345-6789', '12345678', '台北市中正區')";

QSqlDatabase connection(const QString& file)
{
    const QString name = QStringLiteral("test-company-setup");
    QSqlDatabase db = QSqlDatabase::contains(name) ? QSqlDatabase::database(name, false) : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    if (db.databaseName() != file) {
        db.close();
        db.setDatabaseName(file);
    }
    if (!db.isOpen() && !db.open())
        throw std::runtime_error(db.lastError().text().toStdString());
    return db;
}
}

TestCompany::TestCompany(const QDate& today, int languageId)
    : file_(dir_.filePath(QStringLiteral("company.db")))
{
    SetToday(today);
    QDir(dir_.path()).mkdir(QStringLiteral("media"));
    for (const QString& statement : db::CompanySchemaTables() + db::CompanySchemaIndexes())
        exec(statement);
    exec(QString::fromUtf8(CompanyRow));

    RuntimeConfig config;
    config.companyDb = file_;
    config.systemDb = file_;
    config.mediaDir = mediaFolder();
    config.language = languageId;
    config.printer = QStringLiteral("PDF file");
    SetCurrentConfig(config);
    db::Session::DestroyDefault();
    ConnectDatabases(config);

    record_ = std::make_unique<Compdata::CompanyRecordBuilder>();
    record_->companyNumber(QStringLiteral("01")).name(QStringLiteral("測試股份有限公司")).uniformNumber(QStringLiteral("12345678"))
        .languageId(languageId).changedTable(QStringLiteral("NONE"));
    ApplyCompanyContext(record_->data());
}

TestCompany::~TestCompany()
{
    db::Session::DestroyDefault();
    QSqlDatabase::database(QStringLiteral("test-company-setup"), false).close();
    Compdata::cData = nullptr;
    SetToday(QDate());
}

void TestCompany::exec(const QString& statement) const
{
    QSqlQuery query(connection(file_));
    if (!query.exec(statement))
        throw std::runtime_error((statement + QStringLiteral(": ") + query.lastError().text()).toStdString());
}

QVariant TestCompany::scalar(const QString& statement) const
{
    QSqlQuery query(connection(file_));
    if (!query.exec(statement))
        throw std::runtime_error((statement + QStringLiteral(": ") + query.lastError().text()).toStdString());
    return query.next() ? query.value(0) : QVariant();
}

namespace {
QString literal(const QString& text)
{
    if (text.isNull())
        return QStringLiteral("NULL");
    QString escaped = text;
    return u'\'' + escaped.replace(u'\'', QStringLiteral("''")) + u'\'';
}
}

void TestCompany::addEmployee(const Employee& e) const
{
    exec(QStringLiteral("INSERT INTO MF_YG (YG_NO, NAME, ID_NO, PAY_MTH, BACC1_NO, BACC1_TIT, BACC2_NO, BACC2_TIT, DEP)"
                        " VALUES (%1,%2,%3,%4,%5,%6,%7,%8,%9)")
             .arg(literal(e.number), literal(e.name), literal(e.idNo), literal(e.payMethod), literal(e.account1),
                  literal(e.title1), literal(e.account2), literal(e.title2), literal(e.department)));
}

void TestCompany::addPayRun(const QString& runNo, const QDate& payDate) const
{
    exec(QStringLiteral("INSERT INTO MF_FS (FS_NO, FS_DD) VALUES (%1,%2)").arg(literal(runNo), literal(payDate.toString(Qt::ISODate))));
}

void TestCompany::addPayLine(const QString& runNo, const QString& employee, double netPay, const QString& department,
                             const QString& additionalRun) const
{
    exec(QStringLiteral("INSERT INTO TF_FS1 (FS_NO, YG_NO, DEP, AMTN_NET, BIL_NO) VALUES (%1,%2,%3,%4,%5)")
             .arg(literal(runNo), literal(employee), literal(department), QString::number(netPay, 'f', 2), literal(additionalRun)));
}

void TestCompany::addAdditionalRun(const QString& runNo, const QString& kind) const
{
    exec(QStringLiteral("INSERT INTO MF_FJ (FJ_NO, FJ_KND) VALUES (%1,%2)").arg(literal(runNo), literal(kind)));
}

void TestCompany::addDepartment(const QString& code, const QString& name, const QString& parent) const
{
    exec(QStringLiteral("INSERT INTO DEPT (DEP, NAME) VALUES (%1,%2)").arg(literal(code), literal(name)));
    if (!parent.isEmpty())
        exec(QStringLiteral("INSERT INTO DEPT_CHK (DEP_UP, DEP_DW) VALUES (%1,%2)").arg(literal(parent), literal(code)));
}

void TestCompany::setBankRow(const QString& key, const QString& id1, const QString& id2, const QString& fileName) const
{
    exec(QStringLiteral("INSERT OR REPLACE INTO BANK1 (BNK_NO, ID1, ID2, FILENAME) VALUES (%1,%2,%3,%4)")
             .arg(literal(key), literal(id1), literal(id2), literal(fileName)));
}

QByteArray ReadFileBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}
