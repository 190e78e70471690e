// The SQL Server forms that a SQLite company database cannot run as written.
#include "runtime/db/sqlserver_dialect.h"
#include <gtest/gtest.h>

using db::SqlServerToStandardSql;

TEST(SqlServerDialect, SelectIntoATemporaryTableCreatesIt)
{
    EXPECT_EQ(SqlServerToStandardSql("Select A.YG_NO,B.NAME \nInto #TF_FS1 From TF_FS1 A,MF_YG B\nOrder By A.BIL_NO"),
              "CREATE TEMP TABLE \"#TF_FS1\" AS Select A.YG_NO,B.NAME \n From TF_FS1 A,MF_YG B\nOrder By A.BIL_NO");
    EXPECT_EQ(SqlServerToStandardSql("select distinct X into KEEP from T"), "CREATE TABLE KEEP AS select distinct X  from T");
    EXPECT_EQ(SqlServerToStandardSql("Drop Table #TF_FS1"), "Drop Table \"#TF_FS1\"");
    EXPECT_EQ(SqlServerToStandardSql("Insert Into #T Select * From #U"), "Insert Into \"#T\" Select * From \"#U\"");
}

TEST(SqlServerDialect, NamedSelectItemsBecomeAliases)
{
    EXPECT_EQ(SqlServerToStandardSql("Select BACC_NO=Case When SubString(B.X,1,3)='004'  then B.X else B.Y End,B.NAME As YG_NAME From B"),
              "Select Case When SubString(B.X,1,3)='004'  then B.X else B.Y End AS BACC_NO,B.NAME As YG_NAME From B");
    // Commas inside Case ... End and parentheses stay inside the item; nested selects are rewritten too.
    EXPECT_EQ(SqlServerToStandardSql("Select N=Case When A IN (1,2) then 'a,b' End, M = (Select Z=1) From T"),
              "Select Case When A IN (1,2) then 'a,b' End AS N, (Select 1 AS Z) AS M From T");
    // Comparisons outside the select list are comparisons.
    EXPECT_EQ(SqlServerToStandardSql("Select A.X From T A Where A.Y=1 And (B=2)"), "Select A.X From T A Where A.Y=1 And (B=2)");
}

TEST(SqlServerDialect, LiteralsQuotedNamesAndCommentsStayAsWritten)
{
    const QString statement = "Select \"#Q\", [a=b] From T -- Into #X\nWhere N='#T Into #U x=y' And M='it''s #V'";
    EXPECT_EQ(SqlServerToStandardSql(statement), statement);
    EXPECT_EQ(SqlServerToStandardSql("Select K='O''Neil #1' From T"), "Select 'O''Neil #1' AS K From T");
}

TEST(SqlServerDialect, AStatementEndingInsideALiteralOrCommentGoesAsWritten)
{
    // Rewritten, the alias would have landed inside the literal or the comment.
    for (const QString statement : {"Select X=1 From T Where A='open", "Select X=1 From T Where A='it''s", "Select X=1 /* open",
                                    "Select X=[open", "Select X=1 Into #T From T Where \"open"})
        EXPECT_EQ(SqlServerToStandardSql(statement), statement) << statement.toStdString();
    EXPECT_EQ(SqlServerToStandardSql("Select X=1 From T -- note"), "Select 1 AS X From T -- note");
}
