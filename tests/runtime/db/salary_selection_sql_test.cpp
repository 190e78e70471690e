// The two statements of the paid-salary selection, written as the transfer window sends them to
// SQL Server, run on a SQLite company database through the translation.
#include "company_db_fixture.h"
#include "runtime/db/mquery.h"
#include <set>

namespace {

struct Selection {
    int accountChoice = 0;
    QString prefix;
    bool title = false;
    QString departments;   // a department condition, e.g. "(A.DEP IN ('A11'))"
    QString firstEmployee, lastEmployee;
    QString firstDate = QStringLiteral("2026-01-01"), lastDate = QStringLiteral("2026-02-28");
    QString kinds = QStringLiteral("(FJ_KND IN ('年終獎金'))");
    bool regular = true;
    bool byDepartment = false;
};

QString AccountCondition(const Selection& s)
{
    const QString& p = s.prefix;
    if (!p.isEmpty()) {
        if (s.accountChoice == 1) return "And(B.BACC1_NO LIKE '" + p + "%')";
        if (s.accountChoice == 2) return "And(B.BACC2_NO LIKE '" + p + "%')";
        return "And((B.BACC1_NO LIKE '" + p + "%')Or(B.BACC2_NO LIKE '" + p + "%'))";
    }
    if (s.accountChoice == 1) return "And(B.BACC1_NO IS NOT NULL)And(B.BACC1_NO<>'')";
    if (s.accountChoice == 2) return "And(B.BACC2_NO IS NOT NULL)And(B.BACC2_NO<>'')";
    return "And(((B.BACC1_NO IS NOT NULL)And(B.BACC1_NO<>''))Or((B.BACC2_NO IS NOT NULL)And(B.BACC2_NO<>'')))";
}

QString AccountColumns(const Selection& s)
{
    const QString name = s.title ? "" : "B.NAME As YG_NAME";
    if (s.accountChoice == 1)
        return s.title ? "B.BACC1_NO As BACC_NO,B.BACC1_TIT As YG_NAME" : "B.BACC1_NO As BACC_NO," + name;
    if (s.accountChoice == 2)
        return s.title ? "B.BACC2_NO As BACC_NO,B.BACC2_TIT As YG_NAME" : "B.BACC2_NO As BACC_NO," + name;
    if (!s.prefix.isEmpty()) {
        const QString test = "SubString(B.BACC1_NO,1," + QString::number(s.prefix.size()) + ")='" + s.prefix + "'  then ";
        const QString account = "BACC_NO=Case When " + test + "B.BACC1_NO " + "else B.BACC2_NO End,";
        return account + (s.title ? "YG_NAME=Case When " + test + "B.BACC1_TIT " + "else B.BACC2_TIT End" : name);
    }
    const QString filled = "(B.BACC1_NO IS NOT NULL)And(B.BACC1_NO<>'')";
    const QString account = "BACC_NO=Case When " + filled + " then B.BACC1_NO else B.BACC2_NO End,";
    return account + (s.title ? "YG_NAME=Case When " + filled + " then B.BACC1_TIT else B.BACC2_TIT End" : name);
}

QStringList FillStatement(const Selection& s)
{
    QString cond = s.departments.isEmpty() ? QString() : "And" + s.departments;
    cond += AccountCondition(s);
    if (!s.firstEmployee.isEmpty()) cond += "And(A.Yg_No>='" + s.firstEmployee + "')";
    if (!s.lastEmployee.isEmpty()) cond += "And(A.Yg_No<='" + s.lastEmployee + "')";
    QString dates = s.firstDate.isEmpty() ? QString() : "(FS_DD>='" + s.firstDate + "')";
    if (!s.lastDate.isEmpty()) dates += (dates.isEmpty() ? "" : "And") + QString("(FS_DD<='" + s.lastDate + "')");
    const QString runs = "Select DISTINCT FS_NO From MF_FS Where " + dates;
    return {"Select A.BIL_NO,A.YG_NO,A.DEP AS DEP_NO,A.AMTN_NET AS A_MTN," + AccountColumns(s) + ",B.ID_NO,B.ENG_NAME ",
            "Into #TF_FS1 From TF_FS1 A,MF_YG B Where (A.YG_NO=B.YG_NO)And(B.PAY_MTH='2')",
            cond + "And(A.FS_NO IN (" + runs + ")) Order By A.BIL_NO"};
}

QStringList ReadStatement(const Selection& s)
{
    const QString kinds = "(Select FJ_NO From MF_FJ Where " + s.kinds + ")";
    return {s.regular ? "Select * From #TF_FS1 Where ((BIL_NO IS NULL)Or(BIL_NO='')Or(BIL_NO In" + kinds + ")) "
                      : "Select * From #TF_FS1 Where (BIL_NO In" + kinds + ") ",
            s.byDepartment ? " Order By DEP_NO,YG_NO" : " Order By YG_NO"};
}

struct Line {
    QString employee, department, account, name, run;
    double amount;
};

class SalarySelectionSql : public CompanyDbTest {
protected:
    void SetUp() override
    {
        CompanyDbTest::SetUp();
        const QVariant null;
        // YG_NO, NAME, ENG_NAME, ID_NO, DEP, PAY_MTH, BACC1_NO, BACC1_TIT, BACC2_NO, BACC2_TIT, IN_DD
        insert("MF_YG", {"E01", "王小明", "Wang", "A123456789", "A11", "2", "00412345678901", "王小明", "00876543210987", "王大明", null});
        insert("MF_YG", {"E02", "林美玲", "Lin", "B223456789", "A12", "2", "01311111111111", "林美玲", "00422222222222", "林志豪", null});
        insert("MF_YG", {"E03", "陳志強", "Chen", "C123456789", "B01", "2", "", null, "00833333333333", "陳志強", null});
        insert("MF_YG", {"E04", "黃雅婷", "Huang", "D223456789", "A11", "2", null, null, null, null, null});
        insert("MF_YG", {"E05", "張家豪", "Chang", "E123456789", "A11", "1", "00455555555555", "張家豪", null, null, null});
        insert("MF_YG", {"E06", "李淑芬", "Lee", "F223456789", "B01", "2", "00466666666666", null, "", null, null});
        insert("MF_YG", {"E07", null, "Wu", "G123456789", "A01", "2", "00477777777777", "吳冠宇", null, null, null});
        insert("MF_YG", {"E08", "歐陽'娜", "Ouyang", "H223456789", "A12", "2", "01088888888888", "歐陽'娜", null, null, null});
        for (const auto& [run, date] : {std::pair{"F1", "2026-01-31"}, {"F2", "2026-02-10"}, {"F3", "2026-02-27"},
                                        {"F4", "2026-02-13"}, {"F5", "2026-02-20"}})
            insert("MF_FS", {run, date, null});
        insert("MF_FJ", {"J1", "年終獎金", null, null});
        insert("MF_FJ", {"J2", null, null, null});
        insert("MF_FJ", {"J3", "Boss's bonus", null, null});
        insert("MF_FJ", {"J4", "", null, null});
        const struct { const char *run, *employee, *dep; double amount; QVariant bill; } lines[] = {
            {"F1", "E01", "A11", 30000.5, null}, {"F1", "E02", "A12", 40000.25, ""}, {"F1", "E03", "B01", 35000, null},
            {"F1", "E04", "A11", 20000, null}, {"F1", "E05", "A11", 25000, null}, {"F1", "E06", "B01", 28000, null},
            {"F1", "E07", "A01", 31000, null}, {"F1", "E08", "A12", 33000, null},
            {"F2", "E01", "A11", 50000, "J1"}, {"F2", "E02", "A12", 60000, "J1"},
            {"F3", "E01", "A11", 30001.5, ""}, {"F3", "E02", "A12", 40000, null}, {"F3", "E03", "A11", 35000, null},
            {"F4", "E03", "A11", 1000, "J2"}, {"F5", "E08", "A12", 777, "J3"}};
        for (const auto& l : lines)
            insert("TF_FS1", {l.run, l.employee, l.dep, l.amount, l.bill});
    }

    std::vector<Line> select(const Selection& s)
    {
        query.setSql("Drop Table #TF_FS1");
        try {
            query.execSQL();
        } catch (const db::DatabaseError&) {
            // absent before the first selection
        }
        query.SQL() = FillStatement(s);
        query.execSQL();
        query.SQL() = ReadStatement(s);
        query.open();
        std::vector<Line> result;
        for (query.first(); !query.eof(); query.next())
            result.push_back({query.asString("YG_NO"), query.asString("DEP_NO"), query.asString("BACC_NO"),
                              query.asString("YG_NAME"), query.asString("BIL_NO"), query.asFloat("A_MTN")});
        return result;
    }

    // "employee account name" per employee, each once.
    std::set<QString> payees(const Selection& s)
    {
        std::set<QString> out;
        for (const Line& l : select(s))
            out.insert(l.employee + ' ' + l.account + ' ' + l.name);
        return out;
    }

    std::multiset<QString> amounts(const Selection& s)
    {
        std::multiset<QString> out;
        for (const Line& l : select(s))
            out.insert(l.employee + ' ' + QString::number(l.amount, 'f', 2));
        return out;
    }

    db::MQuery query{"rurizov"};
};

TEST_F(SalarySelectionSql, FirstAccountWhenItHasThePrefixElseSecond)
{
    Selection s;
    s.prefix = "004";
    // A NULL name or title keeps the employee, without one: the export refuses him, never drops him.
    EXPECT_EQ(payees(s), (std::set<QString>{"E01 00412345678901 王小明", "E02 00422222222222 林美玲",
                                             "E06 00466666666666 李淑芬", "E07 00477777777777 "}));
    s.title = true;   // the title of the account taken
    EXPECT_EQ(payees(s), (std::set<QString>{"E01 00412345678901 王小明", "E02 00422222222222 林志豪",
                                             "E06 00466666666666 ", "E07 00477777777777 吳冠宇"}));
}

TEST_F(SalarySelectionSql, FilledFirstAccountElseSecondWithoutPrefix)
{
    Selection s;
    EXPECT_EQ(payees(s), (std::set<QString>{"E01 00412345678901 王小明", "E02 01311111111111 林美玲",
                                             "E03 00833333333333 陳志強", "E06 00466666666666 李淑芬",
                                             "E07 00477777777777 ", "E08 01088888888888 歐陽'娜"}));
    s.title = true;
    EXPECT_EQ(payees(s), (std::set<QString>{"E01 00412345678901 王小明", "E02 01311111111111 林美玲",
                                             "E03 00833333333333 陳志強", "E06 00466666666666 ",
                                             "E07 00477777777777 吳冠宇", "E08 01088888888888 歐陽'娜"}));
}

TEST_F(SalarySelectionSql, OnlyFirstOrOnlySecondAccount)
{
    Selection s;
    s.accountChoice = 1;
    EXPECT_EQ(payees(s), (std::set<QString>{"E01 00412345678901 王小明", "E02 01311111111111 林美玲",
                                             "E06 00466666666666 李淑芬", "E07 00477777777777 ", "E08 01088888888888 歐陽'娜"}));
    s.prefix = "013";
    EXPECT_EQ(payees(s), (std::set<QString>{"E02 01311111111111 林美玲"}));
    s.accountChoice = 2;
    s.prefix.clear();
    s.title = true;
    EXPECT_EQ(payees(s), (std::set<QString>{"E01 00876543210987 王大明", "E02 00422222222222 林志豪",
                                             "E03 00833333333333 陳志強"}));
}

TEST_F(SalarySelectionSql, DepartmentConditionsApplyToTheLinesDepartment)
{
    Selection s;
    s.departments = "(A.DEP IN ('A01','A11','A12'))";
    // E03 moved to A11 in February: only that line counts.
    EXPECT_EQ(amounts(s), (std::multiset<QString>{"E01 30000.50", "E01 50000.00", "E01 30001.50", "E02 40000.25",
                                                   "E02 60000.00", "E02 40000.00", "E03 35000.00", "E07 31000.00", "E08 33000.00"}));
    s.departments = "((A.DEP IS NULL)Or(A.DEP='')Or(A.DEP IN ('B01')))";
    EXPECT_EQ(amounts(s), (std::multiset<QString>{"E03 35000.00", "E06 28000.00"}));
}

TEST_F(SalarySelectionSql, CategoriesChooseRegularAndAdditionalRuns)
{
    Selection s;
    s.firstEmployee = s.lastEmployee = "E01";
    EXPECT_EQ(amounts(s), (std::multiset<QString>{"E01 30000.50", "E01 50000.00", "E01 30001.50"}));
    s.kinds = "(FJ_KND IN ('薪資'))";   // the regular-salary label alone: no additional run
    EXPECT_EQ(amounts(s), (std::multiset<QString>{"E01 30000.50", "E01 30001.50"}));

    s.firstEmployee = s.lastEmployee = "";
    s.regular = false;
    s.kinds = "(FJ_KND IS NULL)Or(FJ_KND='')";   // "IsNull": runs without a category, no regular salary
    EXPECT_EQ(amounts(s), (std::multiset<QString>{"E03 1000.00"}));
    s.kinds = "(FJ_KND IN ('Boss''s bonus'))";
    EXPECT_EQ(amounts(s), (std::multiset<QString>{"E08 777.00"}));
}

TEST_F(SalarySelectionSql, EmployeeRangeAndPayDates)
{
    Selection s;
    s.firstEmployee = "E02";
    s.lastEmployee = "E03";
    s.firstDate = "2026-02-01";
    EXPECT_EQ(amounts(s), (std::multiset<QString>{"E02 60000.00", "E02 40000.00", "E03 35000.00"}));
    s.firstEmployee = s.lastEmployee = "";
    s.firstDate = "2026-02-15";
    s.lastDate.clear();
    s.regular = false;
    s.kinds = "(FJ_KND IN ('年終獎金','Boss''s bonus'))";
    EXPECT_EQ(amounts(s), (std::multiset<QString>{"E08 777.00"}));
}

TEST_F(SalarySelectionSql, OrderedByEmployeeOrByDepartment)
{
    Selection s;
    std::vector<Line> lines = select(s);
    ASSERT_FALSE(lines.empty());
    for (size_t i = 1; i < lines.size(); ++i)
        EXPECT_LE(lines[i - 1].employee, lines[i].employee);
    s.byDepartment = true;
    lines = select(s);
    for (size_t i = 1; i < lines.size(); ++i)
        EXPECT_LE(lines[i - 1].department + lines[i - 1].employee, lines[i].department + lines[i].employee);
}

} // namespace
