// Taking over the company context: the runtime globals and the refresh of the cached tables.
#include "module/cached_tables.h"
#include "module/company_context.h"
#include "runtime/commvar.h"
#include "runtime/compdata.h"
#include "runtime/language.h"
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

TEST(CachedTables, RefreshFollowsTheChangedTableName)
{
    TestCompany company;
    CachedTables& tables = CachedTables::Instance();
    tables.departments().open();
    tables.products().open();

    tables.ClearLog();
    tables.Refresh("DEPT");
    EXPECT_EQ(tables.Log(), QStringList{"DEPT: refresh"});

    tables.ClearLog();
    tables.Refresh("CUST");
    EXPECT_TRUE(tables.Log().isEmpty()) << "a table that is not open is skipped";

    tables.ClearLog();
    tables.Refresh("SOMETHING");
    EXPECT_TRUE(tables.Log().isEmpty());

    tables.ClearLog();
    tables.Refresh("ALLDATA");
    EXPECT_EQ(tables.Log(), (QStringList{"PRDT: history off, history on, refresh", "DEPT: refresh",
                                         "Pswd: history off, history on, refresh", "Pswd1: history off, history on, refresh",
                                         "PSWD: history off, history on, refresh", "PSWD1: history off, history on, refresh",
                                         "SPC_PSWD: history off, history on, refresh"}));
    tables.departments().close();
    tables.products().close();
}

} // namespace
