// Taking over the company context: the runtime globals and the refresh of the cached tables.
#include "module/cached_tables.h"
#include "module/company_context.h"
#include "module/exports.h"
#include "runtime/commvar.h"
#include "runtime/compdata.h"
#include "runtime/language.h"
#include "runtime/mdichild.h"
#include "common/sql_text.h"
#include "runtime/db/database.h"
#include "runtime/db/mquery.h"
#include "runtime/db/msqltable.h"
#include "support/test_company.h"

#include <gtest/gtest.h>

namespace {

TEST(CompanyContext, GlobalsFollowTheRecord)
{
    Compdata::CompanyRecordBuilder record;
    record.decimals(2, 4, 3, 1).productMark("T").languageId(2).textCode(0).changedTable("NONE");
    ApplyCompanyContext(record.data());
    EXPECT_EQ(Compdata::cData, record.data());
    EXPECT_EQ(Commvar::iAMT_PointOfATTN, 2);
    EXPECT_EQ(Commvar::iCST_PointOfATTN, 2);
    EXPECT_EQ(Commvar::iUP_PointOfATTN, 4);
    EXPECT_EQ(Commvar::iQTY_PointOfATTN, 3);
    EXPECT_EQ(Commvar::iTAX_PointOfATTN, 1);
    EXPECT_TRUE(Commvar::Prd_MarkIsNum);
    EXPECT_EQ(Language::LanguageID, 2);

    for (const char* mark : {"TRUE", "t", ""}) {
        Compdata::CompanyRecordBuilder other;
        other.productMark(mark).languageId(1).changedTable("NONE");
        ApplyCompanyContext(other.data());
        EXPECT_FALSE(Commvar::Prd_MarkIsNum) << mark;
    }
    Compdata::cData = nullptr;
}

TEST(CompanyContext, DisplayConversionType)
{
    EXPECT_EQ(DisplayConversionType(0, 1), 1);
    EXPECT_EQ(DisplayConversionType(1, 0), 2);
    EXPECT_EQ(DisplayConversionType(0, 0), 0);
    EXPECT_EQ(DisplayConversionType(1, 2), 0);
    EXPECT_EQ(DisplayConversionType(0, 2), 0);
}

// What each cached table really went through during one refresh, read from the table's own history.
class CachedTableHistory {
public:
    explicit CachedTableHistory(CachedTables& tables)
    {
        watch("PRDT", tables.products());
        watch("ACCN", tables.accounts());
        watch("CUST", tables.customers());
        watch("CUR_ID", tables.currencies());
        watch("DEPT", tables.departments());
        watch("MY_WH", tables.warehouses());
        watch("BILN", tables.documentNumbers());
        for (int i = 0; i < CachedTables::PasswordTableCount; ++i)
            watch(tables.passwordTable(i).tableName(), tables.passwordTable(i));
    }
    // Each table's steps since the last call, "DEPT: refresh"; tables with nothing new are left out.
    QStringList since()
    {
        QStringList steps;
        for (Watched& w : watched_) {
            const QStringList& history = w.table->history();
            if (history.size() > w.seen)
                steps << w.label + QStringLiteral(": ") + history.mid(w.seen).join(QStringLiteral(", "));
            w.seen = int(history.size());
        }
        return steps;
    }

private:
    struct Watched {
        QString label;
        const db::MSQLTable* table;
        int seen;
    };
    void watch(const QString& label, const db::MSQLTable& table) { watched_.push_back({label, &table, int(table.history().size())}); }
    std::vector<Watched> watched_;
};

TEST(CachedTables, RefreshFollowsTheChangedTableName)
{
    TestCompany company;
    CachedTables& tables = CachedTables::Instance();
    tables.departments().open();
    tables.products().open();
    CachedTableHistory history(tables);

    tables.Refresh("DEPT");
    EXPECT_EQ(history.since(), QStringList{"DEPT: refresh"});

    tables.Refresh("CUST");
    EXPECT_TRUE(history.since().isEmpty()) << "a table that is not open is skipped";

    tables.Refresh("SOMETHING");
    EXPECT_TRUE(history.since().isEmpty());

    tables.Refresh("PSWD");
    EXPECT_EQ(history.since().size(), 5) << "the user tables are refreshed whether open or not";

    tables.Refresh("ALLDATA");
    EXPECT_EQ(history.since(), (QStringList{"PRDT: history off, history on, refresh", "DEPT: refresh",
                                            "Pswd: history off, history on, refresh", "Pswd1: history off, history on, refresh",
                                            "PSWD: history off, history on, refresh", "PSWD1: history off, history on, refresh",
                                            "SPC_PSWD: history off, history on, refresh"}));
    tables.departments().close();
    tables.products().close();
}

TEST(CompanyContext, DisplayConversionTypeIsReadFromTheRecord)
{
    const struct {
        int textCode, language, type;
    } cases[] = {{0, 1, 1}, {1, 0, 2}, {0, 0, 0}, {1, 1, 0}, {0, 2, 0}, {1, 2, 0}};
    for (const auto& c : cases) {
        Compdata::CompanyRecordBuilder record;
        record.textCode(c.textCode).languageId(c.language).changedTable("NONE");
        Commvar::DisplayChType = 99;
        ApplyCompanyContext(record.data());
        EXPECT_EQ(Commvar::DisplayChType, c.type) << "text code " << c.textCode << ", language " << c.language;
    }
    Compdata::cData = nullptr;
    Language::LanguageID = 1;
    InitLanguage();
}

// A query of the module's own, holding a temporary table on its connection, as a window's query does.
struct ConnectionTest : ::testing::Test {
    TestCompany company;
    db::MQuery query{db::CompanyDatabaseName};

    void SetUp() override { RunSql(query, "Select DEP Into #KEPT From DEPT"); }
    bool temporaryTableKept() { return RunSql(query, "Select COUNT(*) From #KEPT"); }
};

TEST_F(ConnectionTest, TheReconnectFlagReconnectsEveryConnectionQueriesIncluded)
{
    Compdata::CompanyRecordBuilder record;
    record.languageId(1).changedTable("NONE");
    const std::uint8_t* context = record.data();
    SetCompanyData(&context);
    EXPECT_TRUE(temporaryTableKept()) << "no reconnect without the flag";

    record.reconnect(true);
    SetCompanyData(&context);
    EXPECT_THROW(temporaryTableKept(), db::DatabaseError) << "the query's connection was reconnected";
    EXPECT_NO_THROW(RunSql(query, "Select COUNT(*) From DEPT"));
    EXPECT_TRUE(db::Session::Default()->database(db::CompanyDatabaseName).connected());
    Compdata::cData = nullptr;
}

TEST_F(ConnectionTest, ExitClosesEveryConnectionAndLaterUseFailsCleanly)
{
    ExitDLL();
    EXPECT_FALSE(db::Session::Default()->database(db::CompanyDatabaseName).connected());
    try {
        temporaryTableKept();
        ADD_FAILURE() << "a query ran after the exit";
    } catch (const db::DatabaseError& e) {
        EXPECT_TRUE(QString::fromUtf8(e.what()).contains(db::CompanyDatabaseName)) << e.what();
    }
    db::MSQLTable bank1(db::CompanyDatabaseName, "BANK1", "BNK_NO");
    EXPECT_THROW(bank1.open(), db::DatabaseError);

    // Without a company database at all, the exit does nothing.
    db::Session::Default()->removeDatabase(db::CompanyDatabaseName);
    QStringList shown;
    SetHostErrorHandler([&shown](const QString& message) { shown << message; });
    ExitDLL();
    SetHostErrorHandler(nullptr);
    EXPECT_TRUE(shown.isEmpty()) << shown.join('\n').toStdString();
}

} // namespace
