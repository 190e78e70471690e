// Rows read from the server as a transfer reads them: in chunks, with a count or a snapshot's end
// between them, each column's value as Qt's driver would give it.
#include "server_company.h"

#include "runtime/db/mquery.h"
#include "runtime/db/server_address.h"
#include "runtime/db/statement_watch.h"

#include <QDate>
#include <QElapsedTimer>

namespace {

class ServerRows : public ServerCompany {
protected:
    void SetUp() override
    {
        ServerCompany::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        db::ConnectionSettings settings;
        settings.engine = db::Engine::PostgreSQL;
        settings.server = db::ParseServerAddress(server);
        db::Session::CreateDefault()->addDatabase(db::CompanyDatabaseName, settings);
    }
    void TearDown() override
    {
        db::Session::DestroyDefault();
        ServerCompany::TearDown();
    }
};

TEST_F(ServerRows, ManyRowsReadWholeWithACountAndOtherStatementsBetweenThem)
{
    db::MQuery query(db::CompanyDatabaseName);
    for (const bool snapshot : {false, true}) {
        SCOPED_TRACE(snapshot ? "in a snapshot" : "alone");
        if (snapshot)
            query.beginSnapshot();
        query.setSql(QStringLiteral("SELECT n AS N FROM generate_series(1, 5000) AS n ORDER BY n"));
        query.open();
        qint64 sum = 0;
        int rows = 0;
        for (; !query.eof(); query.next(), ++rows) {
            sum += qint64(query.asFloat(0));
            if (rows == 1500)
                EXPECT_EQ(query.recordCount(), 5000);
        }
        EXPECT_EQ(rows, 5000);
        EXPECT_EQ(sum, 5000LL * 5001 / 2);
        // Rows left unread end with the result: the connection serves the next statement.
        query.open();
        query.next();
        query.setSql(QStringLiteral("CREATE TEMP TABLE T_%1 AS SELECT 1 AS ONE").arg(int(snapshot)));
        query.execSQL();
        query.setSql(QStringLiteral("SELECT ONE FROM T_%1").arg(int(snapshot)));
        query.open();
        EXPECT_EQ(query.asString(0), QStringLiteral("1"));
        if (snapshot)
            query.endSnapshot();
    }
}

TEST_F(ServerRows, EachTypeReadsAsQtsDriverGivesIt)
{
    struct Case {
        const char* expression;
        QVariant value;
        QString text;
    };
    const Case cases[] = {
        {"CAST('38749.50' AS NUMERIC(12,2))", 38749.5, QStringLiteral("38749.5")},
        {"CAST(7 AS INTEGER)", 7, QStringLiteral("7")},
        {"CAST(9000000000 AS BIGINT)", qlonglong(9000000000), QStringLiteral("9000000000")},
        {"CAST('t' AS BOOLEAN)", true, QStringLiteral("true")},
        {"DATE '2026-02-28'", QDate(2026, 2, 28), QStringLiteral("2026-02-28")},
        {"CAST('ab' AS BYTEA)", QByteArray("ab"), QStringLiteral("ab")},
        {"CAST('員工' AS VARCHAR(12))", QStringLiteral("員工"), QStringLiteral("員工")},
        {"CAST(NULL AS NUMERIC)", QVariant(QMetaType::fromType<double>()), QString()},
        {"CAST(NULL AS VARCHAR)", QVariant(QMetaType::fromType<QString>()), QString()},
    };
    db::MQuery query(db::CompanyDatabaseName);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expression);
        query.setSql(QStringLiteral("SELECT %1 AS V").arg(QString::fromUtf8(c.expression)));
        query.open();
        const QVariant value = query.value(0);
        EXPECT_EQ(value.metaType(), c.value.metaType());
        EXPECT_EQ(value.isNull(), c.value.isNull());
        EXPECT_EQ(value, c.value);
        EXPECT_EQ(query.asString(0), c.text);
    }
}

TEST_F(ServerRows, AStatementTheServerRefusesNamesItsReason)
{
    db::MQuery query(db::CompanyDatabaseName);
    query.setSql(QStringLiteral("SELECT NO_SUCH_COLUMN FROM MF_YG"));
    try {
        query.open();
        FAIL() << "the statement ran";
    } catch (const db::DatabaseError& error) {
        EXPECT_TRUE(QString::fromUtf8(error.what()).contains(QStringLiteral("no_such_column"))) << error.what();
    }
    // The connection serves the next statement.
    query.setSql(QStringLiteral("SELECT count(*) AS N FROM MF_YG"));
    query.open();
    EXPECT_GT(query.asFloat(0), 0);
}

// A clerk's cancel reaches a statement the server is working on, read as rows or run alone, inside
// a snapshot and outside one; the connection then serves the next statement.
TEST_F(ServerRows, AStatementNoLongerWantedIsCancelledOnTheServer)
{
    db::MQuery query(db::CompanyDatabaseName);
    QElapsedTimer clock;
    for (const bool snapshot : {false, true})
        for (const bool reading : {true, false}) {
            SCOPED_TRACE(std::string(snapshot ? "in a snapshot, " : "") + (reading ? "reading" : "run alone"));
            if (snapshot)
                query.beginSnapshot();
            query.watchStatements([&clock] { return clock.elapsed() < 100; });
            query.setSql(reading ? QStringLiteral("SELECT pg_sleep(30) AS SLEPT")
                                 : QStringLiteral("CREATE TEMP TABLE SLEPT AS SELECT 1 AS ONE FROM pg_sleep(30)"));
            clock.start();
            EXPECT_THROW(reading ? query.open() : query.execSQL(), db::StatementCancelled);
            EXPECT_LT(clock.elapsed(), 1000) << "the statement went on after the cancel";
            query.watchStatements(nullptr);
            if (snapshot)
                query.endSnapshot();
            query.setSql(QStringLiteral("SELECT 1 AS ONE"));
            query.open();
            EXPECT_EQ(query.asString(0), QStringLiteral("1"));
        }
}

} // namespace
