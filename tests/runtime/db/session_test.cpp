// The registry of named databases and their connections.
#include "company_db_fixture.h"
#include "runtime/db/mquery.h"
#include <QFileInfo>

TEST_F(CompanyDbTest, DatabasesAreFoundWithoutRegardToCase)
{
    db::Session* session = db::Session::Default();
    ASSERT_NE(session, nullptr);
    EXPECT_EQ(session->findDatabase("RURIZOV"), &session->database("rurizov"));
    EXPECT_EQ(session->findDatabase("SYSTEM"), nullptr);
    EXPECT_THROW(session->database("SYSTEM"), db::DatabaseError);
}

TEST_F(CompanyDbTest, ReconnectingClosesAndReopens)
{
    db::MDatabase& company = db::Session::Default()->database("RURIZOV");
    company.connection();
    EXPECT_TRUE(company.connected());
    company.setConnected(false);
    EXPECT_FALSE(company.connected());
    company.setConnected(true);
    EXPECT_TRUE(company.connected());
}

TEST_F(CompanyDbTest, AMissingDatabaseFileIsReportedAndNotCreated)
{
    const QString missing = file() + ".typo";
    db::Session::Default()->addDatabase("Other", {db::Engine::SQLite, missing, {}, {}});
    db::MQuery q("other");
    q.setSql("Select 1");
    try {
        q.open();
        FAIL() << "no error raised";
    } catch (const db::DatabaseError& e) {
        EXPECT_NE(QString(e.what()).indexOf(missing), -1) << e.what();
    }
    EXPECT_FALSE(QFileInfo::exists(missing));
}

TEST(Session, NoDefaultUntilCreated)
{
    db::Session::DestroyDefault();
    EXPECT_EQ(db::Session::Default(), nullptr);
    db::MQuery q("RurIzov");
    q.setSql("Select 1");
    EXPECT_THROW(q.open(), db::DatabaseError);
}

TEST(Session, SqlServerStatementsGoAsWritten)
{
    db::Session session;
    db::ConnectionSettings settings;
    settings.engine = db::Engine::SqlServer;
    const QString statement = "Select X=1 Into #T From T";
    EXPECT_EQ(session.addDatabase("RurIzov", settings).translate(statement), statement);
    settings.engine = db::Engine::SQLite;
    EXPECT_NE(session.addDatabase("RurIzov", settings).translate(statement), statement);
}

// A query that is reading rows straight from the engine holds a statement of its connection; closing
// the database ends that reading first, so that the connection really closes (nothing is left open).
TEST_F(CompanyDbTest, ClosingTheDatabaseEndsAQuerysReadingFirst)
{
    exec("CREATE TABLE T (A)");
    exec("INSERT INTO T VALUES (1)");
    exec("INSERT INTO T VALUES (2)");
    db::MQuery q("RurIzov");
    q.setSql("Select A From T");
    q.open();
    ASSERT_TRUE(q.active());
    db::MDatabase& company = db::Session::Default()->database("RurIzov");
    company.setConnected(false);
    EXPECT_FALSE(q.active());
    company.setConnected(true);
    q.open();
    EXPECT_EQ(q.recordCount(), 2);
}
