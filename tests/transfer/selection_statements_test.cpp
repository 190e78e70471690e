// The two selection statements, exactly as the database receives them.
#include "transfer/saved_conditions.h"
#include "transfer/selection_statements.h"

#include <gtest/gtest.h>

namespace {

const QString Regular = QStringLiteral("正常薪資");

SelectionConditions marchConditions()
{
    SelectionConditions c;
    c.salaryKinds = Regular;
    c.payDateFrom = "2026-03-01";
    c.payDateTo = "2026-03-31";
    return c;
}

TEST(SelectionStatements, ReferenceConditions)
{
    const SelectionStatements s = BuildSelectionStatements(marchConditions(), Regular, DefaultOrderClause(0));
    ASSERT_EQ(s.fill.size(), 3);
    EXPECT_EQ(s.fill[0], "Select A.BIL_NO,A.YG_NO,A.DEP AS DEP_NO,A.AMTN_NET AS A_MTN,"
                         "BACC_NO=Case When (B.BACC1_NO IS NOT NULL)And(B.BACC1_NO<>'') then B.BACC1_NO else B.BACC2_NO End,"
                         "B.NAME As YG_NAME,B.ID_NO,B.ENG_NAME ");
    EXPECT_EQ(s.fill[1], "Into #TF_FS1 From TF_FS1 A,MF_YG B Where (A.YG_NO=B.YG_NO)And(B.PAY_MTH='2')");
    EXPECT_EQ(s.fill[2], "And(((B.BACC1_NO IS NOT NULL)And(B.BACC1_NO<>''))Or((B.BACC2_NO IS NOT NULL)And(B.BACC2_NO<>'')))"
                         "And(A.FS_NO IN (Select DISTINCT FS_NO From MF_FS Where (FS_DD>='2026-03-01')And(FS_DD<='2026-03-31')))"
                         " Order By A.BIL_NO");
    ASSERT_EQ(s.read.size(), 2);
    EXPECT_EQ(s.read[0], "Select * From #TF_FS1 Where ((BIL_NO IS NULL)Or(BIL_NO='')Or(BIL_NO In"
                         "(Select FJ_NO From MF_FJ Where (FJ_KND IN ('正常薪資'))))) ");
    EXPECT_EQ(s.read[1], " Order By YG_NO");
}

TEST(SelectionStatements, PrefixTitleDepartmentsEmployeesAndCategories)
{
    SelectionConditions c = marchConditions();
    c.accountPrefix = "004";
    c.useAccountTitle = true;
    c.depMode = 0;
    c.depList = "A01;A02";
    c.employeeFrom = " E001 ";
    c.employeeTo = "E100";
    c.salaryKinds = "年終獎金;IsNull";
    c.sortMode = 1;
    const SelectionStatements s = BuildSelectionStatements(c, Regular, DefaultOrderClause(1));
    EXPECT_EQ(s.fill[0], "Select A.BIL_NO,A.YG_NO,A.DEP AS DEP_NO,A.AMTN_NET AS A_MTN,"
                         "BACC_NO=Case When SubString(B.BACC1_NO,1,3)='004'  then B.BACC1_NO else B.BACC2_NO End,"
                         "YG_NAME=Case When SubString(B.BACC1_NO,1,3)='004'  then B.BACC1_TIT else B.BACC2_TIT End,"
                         "B.ID_NO,B.ENG_NAME ");
    EXPECT_EQ(s.fill[2], "And(A.DEP IN ('A01','A02'))And((B.BACC1_NO LIKE '004%')Or(B.BACC2_NO LIKE '004%'))"
                         "And(A.Yg_No>='E001')And(A.Yg_No<='E100')"
                         "And(A.FS_NO IN (Select DISTINCT FS_NO From MF_FS Where (FS_DD>='2026-03-01')And(FS_DD<='2026-03-31')))"
                         " Order By A.BIL_NO");
    EXPECT_EQ(s.read[0], "Select * From #TF_FS1 Where (BIL_NO In"
                         "(Select FJ_NO From MF_FJ Where ((FJ_KND IS NULL)Or(FJ_KND='')Or(FJ_KND IN ('年終獎金'))))) ");
    EXPECT_EQ(s.read[1], " Order By DEP_NO,YG_NO");
}

TEST(SelectionStatements, AccountChoicesWithoutPrefix)
{
    SelectionConditions c = marchConditions();
    c.accountChoice = 1;
    SelectionStatements s = BuildSelectionStatements(c, Regular, DefaultOrderClause(0));
    EXPECT_TRUE(s.fill[0].contains("B.BACC1_NO As BACC_NO,B.NAME As YG_NAME,"));
    EXPECT_TRUE(s.fill[2].startsWith("And(B.BACC1_NO IS NOT NULL)And(B.BACC1_NO<>'')And(A.FS_NO"));
    c.accountChoice = 2;
    c.useAccountTitle = true;
    s = BuildSelectionStatements(c, Regular, DefaultOrderClause(0));
    EXPECT_TRUE(s.fill[0].contains("B.BACC2_NO As BACC_NO,B.BACC2_TIT As YG_NAME,"));
    EXPECT_TRUE(s.fill[2].startsWith("And(B.BACC2_NO IS NOT NULL)And(B.BACC2_NO<>'')And(A.FS_NO"));
    c.accountChoice = 0;
    s = BuildSelectionStatements(c, Regular, DefaultOrderClause(0));
    EXPECT_TRUE(s.fill[0].contains(",YG_NAME=Case When (B.BACC1_NO IS NOT NULL)And(B.BACC1_NO<>'') then B.BACC1_TIT else B.BACC2_TIT End,"));
}

TEST(SelectionStatements, TypedQuotesCannotChangeTheStatement)
{
    SelectionConditions c = marchConditions();
    c.accountPrefix = "0'4";
    c.employeeFrom = "E' Or '1'='1";
    c.depMode = 0;
    c.depList = "A'1";
    const SelectionStatements s = BuildSelectionStatements(c, Regular, DefaultOrderClause(0));
    EXPECT_TRUE(s.fill[0].contains("SubString(B.BACC1_NO,1,3)='0''4'  then"));
    EXPECT_TRUE(s.fill[2].contains("(B.BACC1_NO LIKE '0''4%')"));
    EXPECT_TRUE(s.fill[2].contains("And(A.Yg_No>='E'' Or ''1''=''1')"));
    EXPECT_TRUE(s.fill[2].contains("(A.DEP IN ('A''1'))"));
}

TEST(SelectionStatements, OneDepartmentWithItsSubordinatesMeansAll)
{
    SelectionConditions c = marchConditions();
    c.depMode = 1;
    c.depList = "0000";
    EXPECT_FALSE(BuildSelectionStatements(c, Regular, DefaultOrderClause(0)).fill[2].contains("A.DEP"));
}

TEST(SelectionStatements, ADepartmentListOfNoValueAloneStaysInItsBrackets)
{
    SelectionConditions c = marchConditions();
    c.depMode = 0;
    c.depList = "IsNull";
    EXPECT_TRUE(BuildSelectionStatements(c, Regular, DefaultOrderClause(0)).fill[2].startsWith("And((A.DEP IS NULL)Or(A.DEP=''))And("));
}

TEST(SelectionStatements, ACategoryListOfSeparatorsAloneNamesNoCategory)
{
    SelectionConditions c = marchConditions();
    c.salaryKinds = ";;";
    EXPECT_EQ(BuildSelectionStatements(c, Regular, DefaultOrderClause(0)).read[0],
              "Select * From #TF_FS1 Where (BIL_NO In(Select FJ_NO From MF_FJ Where (1=0))) ");
}

} // namespace
