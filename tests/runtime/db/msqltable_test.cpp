// Tables of the company database: index order, key lookup, edit/append/post and the refresh record.
#include "company_db_fixture.h"
#include "runtime/db/msqltable.h"
#include <QSqlQuery>

namespace {

class MSQLTableTest : public CompanyDbTest {
protected:
    void SetUp() override
    {
        CompanyDbTest::SetUp();
        for (const char* dep : {"B01", "A12", "A01", "A11"})
            insert("DEPT", {dep, QString("部門") + dep, QString("Dept ") + dep});
        for (const auto& [up, down] : {std::pair{"A01", "A12"}, {"A01", "A11"}, {"0000", "A01"}, {"0000", "B01"}})
            insert("DEPT_CHK", {up, down});
    }

    QStringList bankRows()
    {
        QSqlQuery q(db::Session::Default()->database("RurIzov").connection());
        q.exec("SELECT BNK_NO || ':' || IFNULL(ID1, '') || ':' || IFNULL(NAME, '') FROM BANK1 ORDER BY BNK_NO");
        QStringList rows;
        while (q.next())
            rows << q.value(0).toString();
        return rows;
    }
};

TEST_F(MSQLTableTest, KeyRowsOnlyFetchesTheRowsOfTheLeadingKeyInIndexOrder)
{
    db::MSQLTable tree("RurIzov", "DEPT_CHK", "DEP_UP;DEP_DW");
    tree.setKeyRecordOnly(true);
    ASSERT_TRUE(tree.findKey({"A01"}));
    EXPECT_EQ(tree.fieldText("dep_dw"), "A11");
    tree.next();
    EXPECT_EQ(tree.fieldText("DEP_DW"), "A12");
    tree.next();
    EXPECT_TRUE(tree.eof());   // the rows of 0000 were not fetched
    EXPECT_FALSE(tree.findKey({"A11"}));
    EXPECT_TRUE(tree.eof());
}

TEST_F(MSQLTableTest, LookupInAFullTableKeepsTheFollowingRowsReachable)
{
    db::MSQLTable dept("RurIzov", "DEPT", "DEP");
    dept.setSelectFields("NAME");   // the index field is read all the same
    dept.open();
    EXPECT_EQ(dept.fieldText("DEP"), "A01");
    ASSERT_TRUE(dept.findKey({"A12"}));
    EXPECT_EQ(dept.fieldText("NAME"), "部門A12");
    dept.next();
    EXPECT_EQ(dept.fieldText("DEP"), "B01");
    EXPECT_FALSE(dept.findKey({"A99"}));
    EXPECT_TRUE(dept.hasField("name"));
    EXPECT_FALSE(dept.hasField("ENG_NAME"));   // not selected
    EXPECT_TRUE(dept.field("ENG_NAME").isNull());
}

TEST_F(MSQLTableTest, AppendThenEditWritesOneRowByItsKey)
{
    db::MSQLTable bank("rurizov", "BANK1", "BNK_NO");
    bank.setKeyRecordOnly(true);
    ASSERT_FALSE(bank.findKey({"0"}));
    bank.append();
    bank.setField("bnk_no", "0");
    bank.setField("ID1", "1");
    bank.setField("NAME", "年終獎金;IsNull");
    bank.post();
    EXPECT_EQ(bank.fieldText("NAME"), "年終獎金;IsNull");
    bank.append();
    bank.setField("BNK_NO", "10");
    bank.post();
    EXPECT_EQ(bankRows(), (QStringList{"0:1:年終獎金;IsNull", "10::"}));

    db::MSQLTable other("RurIzov", "BANK1", "BNK_NO");
    other.setKeyRecordOnly(true);
    ASSERT_TRUE(other.findKey({"0"}));
    other.edit();
    other.setField("ID1", "0");
    other.post();
    EXPECT_EQ(bankRows(), (QStringList{"0:0:年終獎金;IsNull", "10::"}));

    // Changing the key moves the row: the update goes by the key the row had.
    other.edit();
    other.setField("BNK_NO", "2");
    other.post();
    EXPECT_EQ(bankRows(), (QStringList{"10::", "2:0:年終獎金;IsNull"}));
}

TEST_F(MSQLTableTest, RefusedWritesAndMisuseRaiseClearErrors)
{
    db::MSQLTable bank("RurIzov", "BANK1", "BNK_NO");
    bank.open();
    EXPECT_THROW(bank.setField("ID1", "x"), db::DatabaseError);   // not editing
    EXPECT_THROW(bank.edit(), db::DatabaseError);                 // no row
    bank.append();
    EXPECT_THROW(bank.setField("NOPE", "x"), db::DatabaseError);
    bank.setField("BNK_NO", "1");
    bank.post();
    bank.append();
    bank.setField("BNK_NO", "1");
    try {
        bank.post();
        FAIL() << "duplicate key accepted";
    } catch (const db::DatabaseError& e) {
        EXPECT_NE(std::string(e.what()).find("UNIQUE"), std::string::npos) << e.what();
    }
    bank.cancel();
    ASSERT_TRUE(bank.findKey({"1"}));
    bank.edit();
    exec("DELETE FROM BANK1");
    bank.setField("ID1", "x");
    EXPECT_THROW(bank.post(), db::DatabaseError);   // deleted meanwhile: nothing written silently
    EXPECT_THROW(db::MSQLTable("RurIzov", "NO_SUCH", "X").open(), db::DatabaseError);
}

TEST_F(MSQLTableTest, RefreshRereadsAndIsRecordedWithTheHistorySwitches)
{
    db::MSQLTable dept("RurIzov", "DEPT", "DEP");
    dept.refresh();   // closed: only recorded
    dept.open();
    ASSERT_TRUE(dept.findKey({"A11"}));
    exec("UPDATE DEPT SET NAME = '新名' WHERE DEP = 'A11'");
    dept.SetKeyRecordHistory(false);
    dept.SetKeyRecordHistory(true);
    dept.refresh();
    EXPECT_EQ(dept.fieldText("NAME"), "新名");
    EXPECT_EQ(dept.history(), (QStringList{"refresh", "open", "history off", "history on", "refresh"}));
}

} // namespace
