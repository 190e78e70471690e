// Code lists and the SQL conditions built from them.
#include "common/code_lists.h"
#include "runtime/db/msqltable.h"
#include "runtime/language.h"
#include "support/test_company.h"

#include <gtest/gtest.h>

namespace {

QStringList split(void (*splitter)(const QString&, QStringList&), const QString& text)
{
    QStringList list{QStringLiteral("stale")};
    splitter(text, list);
    return list;
}

TEST(CodeLists, SplittingKeepsOrderAndTheRulesOfEachList)
{
    EXPECT_EQ(split(SplitUniqueList, "A;;A;B"), (QStringList{"A", "B"}));
    EXPECT_EQ(split(SplitUniqueList, " A;A"), (QStringList{" A", "A"})) << "pieces are not trimmed";
    EXPECT_TRUE(split(SplitUniqueList, "").isEmpty());
    EXPECT_EQ(split(SplitCodeList, "A;;A"), (QStringList{"A", "", "A"}));
    EXPECT_EQ(split(SplitCodeList, "A;B;"), (QStringList{"A", "B", ""}));
    EXPECT_EQ(split(SplitCodeList, "IsNull;C"), (QStringList{"", "C"}));
}

TEST(CodeLists, InConditionsForValuesAndNoValue)
{
    EXPECT_EQ(BuildInCondition({"01", "IsNull", "05"}, "FJ_KND"),
              "((FJ_KND IS NULL)Or(FJ_KND='')Or(FJ_KND IN ('01','05')))");
    EXPECT_EQ(BuildInCondition({"01"}, "A.DEP"), "(A.DEP IN ('01'))");
    EXPECT_EQ(BuildListCondition(-1, "IsNull", "FJ_KND"), "(FJ_KND IS NULL)Or(FJ_KND='')");
    EXPECT_EQ(BuildListCondition(-1, "", "FJ_KND"), "");
    EXPECT_EQ(BuildListCondition(0, "A01;;A02", "A.DEP"), "((A.DEP IS NULL)Or(A.DEP='')Or(A.DEP IN ('A01','A02')))");
}

TEST(CodeLists, AQuoteInACodeStaysInsideItsLiteral)
{
    EXPECT_EQ(BuildInCondition({"X')Or('1'='1"}, "A.DEP"), "(A.DEP IN ('X'')Or(''1''=''1'))");
}

TEST(CodeLists, DepartmentWithSubordinatesComesFromTheDepartmentTree)
{
    TestCompany company;
    company.addDepartment("A01", "總公司");
    company.addDepartment("A02", "業務部", "A01");
    company.addDepartment("A03", "研發部", "A01");
    company.addDepartment("B01", "工廠", "B00");
    EXPECT_EQ(BuildListCondition(1, "A01", "A.DEP"), "(A.DEP IN ('A01','A02','A03'))");
    EXPECT_EQ(BuildListCondition(1, "A02", "A.DEP"), "(A.DEP IN ('A02'))") << "no subordinates: itself only";
}

TEST(CodeLists, PickerListsFromTheDepartmentMaster)
{
    TestCompany company;
    company.addDepartment("A01", "總公司");
    company.addDepartment("A02", "業務部");
    company.addDepartment("A03", "研發部");
    db::MSQLTable dept("RurIzov", "DEPT", "DEP");
    dept.open();
    QStringList available, chosen;
    FillCodeLists("A01;A03", "DEP", available, dept, chosen);
    const QString noValue = "IsNull --- " + LoadFormResourceStr("INVAH", 10200);
    EXPECT_EQ(available, (QStringList{noValue, "A02 --- 業務部"}));
    EXPECT_EQ(chosen, (QStringList{"A01 --- 總公司", "A03 --- 研發部"}));

    FillCodeLists("IsNull;A02", "DEP", available, dept, chosen);
    EXPECT_EQ(chosen.first(), noValue);

    EXPECT_EQ(JoinChosenCodes(false, {"A01 --- 總公司", "A02 --- 業務部", "A03 --- 研發部"}), "A01");
    EXPECT_EQ(JoinChosenCodes(true, {"A01 --- 總公司", "A02 --- 業務部"}), "A01;A02");
    EXPECT_EQ(JoinChosenCodes(true, {}), "");
}

} // namespace
