#include "company_db_fixture.h"
#include "runtime/db/schema/company_schema.h"
#include <QSqlError>
#include <QSqlQuery>

void CompanyDbTest::SetUp()
{
    ASSERT_TRUE(dir_.isValid());
    file_ = dir_.filePath(QStringLiteral("company.db"));
    setup_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("test-setup"));
    setup_.setDatabaseName(file_);
    ASSERT_TRUE(setup_.open());
    exec("PRAGMA synchronous = OFF");   // the setup writes need no safety against power loss
    for (const QString& s : db::CompanySchemaTables() + db::CompanySchemaIndexes())
        exec(s);
    db::Session::CreateDefault()->addDatabase(db::CompanyDatabaseName, {db::Engine::SQLite, file_, {}, {}});
}

void CompanyDbTest::TearDown()
{
    db::Session::DestroyDefault();
    setup_.close();
    setup_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("test-setup"));
}

void CompanyDbTest::exec(const QString& statement)
{
    QSqlQuery q(setup_);
    if (!q.exec(statement))
        throw std::runtime_error((statement + QStringLiteral(": ") + q.lastError().text()).toStdString());
}

void CompanyDbTest::insert(const QString& table, const QVariantList& values)
{
    QSqlQuery q(setup_);
    QStringList marks;
    for (int i = 0; i < values.size(); ++i)
        marks << QStringLiteral("?");
    q.prepare(QStringLiteral("INSERT INTO %1 VALUES (%2)").arg(table, marks.join(u',')));
    for (const QVariant& v : values)
        q.addBindValue(v);
    if (!q.exec())
        throw std::runtime_error((table + QStringLiteral(": ") + q.lastError().text()).toStdString());
}
