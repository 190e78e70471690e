// The selection run on real data and merged into the transfer table.
#include "runtime/db/mquery.h"
#include "runtime/language.h"
#include "support/test_company.h"
#include "runtime/ui/mprogress_form.h"
#include "transfer/employee_slots.h"
#include "transfer/progress_adapter.h"
#include "transfer/saved_conditions.h"
#include "transfer/selection_statements.h"
#include "transfer/transfer_table_builder.h"
#include "transfer/two_per_row.h"

#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct RecordingProgress : SelectionProgress {
    int cancelAfter = -1;
    int steps = 0;
    void Start(std::function<int()>, const QString&) override {}
    bool Step(int, const std::function<QString()>&) override { return cancelAfter < 0 || ++steps <= cancelAfter; }
    void Finish() override {}
};

class TransferTableTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        company.addPayRun("R1", QDate(2026, 3, 5));
        company.addPayRun("R0", QDate(2026, 2, 5));
        company.addPayRun("R2", QDate(2026, 3, 20));
        company.addPayRun("R3", QDate(2026, 3, 25));
        company.addAdditionalRun("FJ1", "年終獎金");
        company.addAdditionalRun("FJ2", QString());
        company.addEmployee({"E001", "王小明", "004123", "王小明帳戶", "", ""});
        company.addEmployee({"E002", "李大華", "", "", "008999", "李大華戶"});
        TestCompany::Employee cash{"E003", "陳現金", "004555", "", "", ""};
        cash.payMethod = "1";
        company.addEmployee(cash);
        TestCompany::Employee b{"E004", "林工廠", "004777", "", "", ""};
        b.department = "B01";
        company.addEmployee(b);

        company.addPayLine("R1", "E001", 1000.5);
        company.addPayLine("R1", "E002", 1001.5);
        company.addPayLine("R1", "E003", 900);
        company.addPayLine("R1", "E004", 500, "B01");
        company.addPayLine("R2", "E001", 200, "A01", "FJ1");
        company.addPayLine("R2", "E004", 300, "A01");
        company.addPayLine("R3", "E002", 50, "A01", "FJ2");
        company.addPayLine("R0", "E001", 99999);
    }

    TransferTableResult select(SelectionConditions c, QString kinds = QString(),
                               const TransferTableLayout& chosen = TransferTableLayout::Standard())
    {
        c.salaryKinds = kinds.isEmpty() ? RegularSalaryLabel() : kinds;
        c.payDateFrom = "2026-03-01";
        c.payDateTo = "2026-03-31";
        const SelectionStatements s = BuildSelectionStatements(c, RegularSalaryLabel(), DefaultOrderClause(c.sortMode));
        try {
            query.SQL() = QStringList{DropTempTableStatement};
            query.execSQL();
        } catch (const db::DatabaseError&) {
        }
        query.SQL() = s.fill;
        query.execSQL();
        query.SQL() = s.read;
        query.open();
        layout = chosen;
        DefineTransferTable(table, layout);
        TransferTableBuilder builder(layout, c.sortMode);
        builder.setRowCompletion(completion);
        return builder.Fill(query, table, *progressShown);
    }

    std::vector<QStringList> rows()
    {
        std::vector<QStringList> all;
        for (table.first(); !table.eof(); table.next())
            all.push_back({table.fieldText("BACC_NO"), table.fieldText("YG_NAME"), QString::number(table.fieldFloat("A_MTN")),
                           table.fieldText(RowKindColumnName)});
        return all;
    }

    // Both slots of every row of a two-per-row table: account, name, amount and kind of each.
    std::vector<QStringList> pairs()
    {
        std::vector<QStringList> all;
        for (table.first(); !table.eof(); table.next()) {
            QStringList row;
            for (int slot = 0; slot < 2; ++slot)
                row << table.fieldText(SlotColumn("BACC_NO", slot)) << table.fieldText(SlotColumn("YG_NAME", slot))
                    << QString::number(table.fieldFloat(SlotColumn("A_MTN", slot)))
                    << table.fieldText(SlotColumn(RowKindColumnName, slot));
            all.push_back(row);
        }
        return all;
    }

    TestCompany company;
    db::MQuery query{"RurIzov"};
    db::LocalTable table{"TEST", "TRANSFER"};
    TransferTableLayout layout;
    RecordingProgress progress;
    SelectionProgress* progressShown = &progress;
    TransferTableBuilder::RowCompletion completion;
};

TEST_F(TransferTableTest, ByEmployeeSumsRoundedLinesAndAddsTheTotal)
{
    const TransferTableResult result = select({}, RegularSalaryLabel() + ";年終獎金");
    EXPECT_EQ(rows(), (std::vector<QStringList>{{"004123", "王小明", "1200", "E"},
                                                 {"008999", "李大華", "1002", "E"},
                                                 {"004777", "林工廠", "800", "E"},
                                                 {LoadFormResourceStr("WAGBK", 10101), "", "3002", "T"}}));
    EXPECT_EQ(result.transferCount, 3);
    EXPECT_EQ(result.transferTotal, 3002);
    EXPECT_EQ(result.sourceLines, 5);
}

TEST_F(TransferTableTest, EachLineCompletesTheRowWithTheSumSoFarAndEveryRowIsStoredForOtherReaders)
{
    QStringList seen;
    completion = [&seen](db::LocalTable& row) { seen << row.fieldText("YG_NAME") + u' ' + QString::number(row.fieldFloat("A_MTN")); };
    select({}, RegularSalaryLabel() + ";年終獎金");
    EXPECT_EQ(seen, (QStringList{"王小明 1000", "王小明 1200", "李大華 1002", "林工廠 500", "林工廠 800"}));

    // Cancelled after the first employee: his row is stored, though no total follows it.
    progress.cancelAfter = 1;
    select({}, RegularSalaryLabel() + ";年終獎金");
    db::LocalTable reader("TEST", "TRANSFER");
    reader.open();
    ASSERT_EQ(reader.recordCount(), 1);
    EXPECT_EQ(reader.fieldFloat("A_MTN"), 1200);
}

// Columns that keep parts of one selected column take them from each employee's own account, however
// many lines he has and whatever the employee before him had.
TEST_F(TransferTableTest, PartsOfAColumnAreEachEmployeesOwn)
{
    TransferTableLayout parts;
    parts.columns = {{TextColumn("BRANCH", 3, 12000, 3), "BACC_NO", [](const QString& a) { return a.left(3); }},
                     {TextColumn("NUMBER", 3, 12001, 3), "BACC_NO", [](const QString& a) { return a.mid(3); }},
                     {TextColumn("YG_NAME", 30, 12002, 10), "YG_NAME"},
                     {AmountColumn(12003, 14), QString()}};
    parts.labelColumn = "YG_NAME";
    company.exec("UPDATE MF_YG SET BACC1_NO='004999' WHERE YG_NO='E004'");
    select({}, RegularSalaryLabel() + ";年終獎金", parts);
    std::vector<QStringList> seen;
    for (table.first(); !table.eof(); table.next())
        seen.push_back({table.fieldText("BRANCH"), table.fieldText("NUMBER"), table.fieldText("YG_NAME"), QString::number(table.fieldFloat("A_MTN"))});
    EXPECT_EQ(seen, (std::vector<QStringList>{{"004", "123", "王小明", "1200"},
                                               {"008", "999", "李大華", "1002"},
                                               {"004", "999", "林工廠", "800"},
                                               {"", "", LoadFormResourceStr("WAGBK", 10101), "3002"}}));
}

TEST_F(TransferTableTest, ByDepartmentGivesARowPerDepartmentAndSubtotals)
{
    SelectionConditions c;
    c.sortMode = 1;
    select(c);
    const QString subtotal = LoadFormResourceStr("WAGBK", 10102);
    EXPECT_EQ(rows(), (std::vector<QStringList>{{"004123", "王小明", "1000", "E"},
                                                 {"008999", "李大華", "1002", "E"},
                                                 {"004777", "林工廠", "300", "E"},
                                                 {subtotal + "(A01)", "", "2302", "S"},
                                                 {"004777", "林工廠", "500", "E"},
                                                 {subtotal + "(B01)", "", "500", "S"},
                                                 {LoadFormResourceStr("WAGBK", 10101), "", "2802", "T"}}));
}

TEST_F(TransferTableTest, AccountChoicePrefixAndTitle)
{
    SelectionConditions c;
    c.accountPrefix = "004";
    c.useAccountTitle = true;
    select(c);
    EXPECT_EQ(rows().front(), (QStringList{"004123", "王小明帳戶", "1000", "E"}));
    EXPECT_EQ(rows().size(), 3u) << "E002 has no account beginning with 004";

    c = {};
    c.accountChoice = 2;
    select(c);
    EXPECT_EQ(rows(), (std::vector<QStringList>{{"008999", "李大華", "1002", "E"}, {LoadFormResourceStr("WAGBK", 10101), "", "1002", "T"}}));
}

TEST_F(TransferTableTest, CategoriesOfNoValueSelectOnlyRunsWithoutCategory)
{
    select({}, "IsNull");
    EXPECT_EQ(rows(), (std::vector<QStringList>{{"008999", "李大華", "50", "E"}, {LoadFormResourceStr("WAGBK", 10101), "", "50", "T"}}));
}

TEST_F(TransferTableTest, NothingSelectedAndNonPositiveTotals)
{
    SelectionConditions c;
    c.employeeFrom = "X";
    TransferTableResult result = select(c);
    EXPECT_TRUE(rows().empty());
    EXPECT_EQ(result.transferCount, 0);

    company.exec("UPDATE TF_FS1 SET AMTN_NET=-10 WHERE FS_NO IN ('R1','R2')");
    result = select({});
    EXPECT_EQ(result.transferTotal, -40);
    EXPECT_EQ(rows().size(), 3u) << "a total of zero or less gives no total row";
}

TEST_F(TransferTableTest, CancellingKeepsTheRowsSoFarWithoutTotal)
{
    progress.cancelAfter = 1;
    const TransferTableResult result = select({});
    EXPECT_TRUE(result.cancelled);
    EXPECT_EQ(rows(), (std::vector<QStringList>{{"004123", "王小明", "1000", "E"}}));
    EXPECT_EQ(result.transferCount, 1);
}

TEST_F(TransferTableTest, AQuoteInTheEmployeeRangeIsData)
{
    SelectionConditions c;
    c.employeeFrom = "E' Or '1'='1";
    EXPECT_NO_THROW(select(c));
    EXPECT_EQ(rows().size(), 4u) << "E001 ... E004 sort after the quoted text";
}

// Departments "IsNull" alone, in either department mode: the lines without a department of the
// chosen pay runs, and none of another month's, of another employee range or without an account.
TEST_F(TransferTableTest, ADepartmentListOfNoValueAloneKeepsEveryOtherCondition)
{
    company.exec("UPDATE TF_FS1 SET DEP=NULL WHERE (FS_NO='R0' AND YG_NO='E001') OR (FS_NO='R1' AND YG_NO='E002')");
    company.exec("UPDATE TF_FS1 SET DEP='' WHERE FS_NO='R2' AND YG_NO='E004'");
    TestCompany::Employee noAccount{"E005", "趙無帳", "", "", "", ""};
    company.addEmployee(noAccount);
    company.addPayLine("R1", "E005", 900, QString());
    for (int mode : {0, 1}) {
        SelectionConditions c;
        c.depMode = mode;
        c.depList = "IsNull";
        select(c);
        EXPECT_EQ(rows(), (std::vector<QStringList>{{"008999", "李大華", "1002", "E"},
                                                     {"004777", "林工廠", "300", "E"},
                                                     {LoadFormResourceStr("WAGBK", 10101), "", "1302", "T"}}))
            << "mode " << mode;
        c.employeeFrom = "E003";
        select(c);
        EXPECT_EQ(rows().size(), 2u) << "mode " << mode << ": the employee range holds as well";
    }
}

// Three employees, each taking 100 ms, and a cancel click after 50 ms: the progress window is looked
// at by time as well as by count, so that a selection of few employees can be cancelled too.
TEST_F(TransferTableTest, ACancelIsHeardInASmallSlowSelection)
{
    MProgressForm form;
    ProgressWindowAdapter adapter(form);
    progressShown = &adapter;
    completion = [](db::LocalTable&) { QThread::msleep(100); };
    QString shownWhenCancelled;
    QTimer::singleShot(50, &form, [&form, &shownWhenCancelled] {
        shownWhenCancelled = form.Text();
        QTest::mouseClick(form.component<QPushButton>("Btn_Cancel"), Qt::LeftButton);
    });
    const TransferTableResult result = select({});
    EXPECT_TRUE(result.cancelled);
    const QString walking = LoadFormResourceStr("WAGBK", 10096) + u':';
    EXPECT_TRUE(shownWhenCancelled.startsWith(walking)
                && QStringList({"王小明", "李大華", "林工廠"}).contains(shownWhenCancelled.mid(walking.size())))
        << "the window names the employee being taken in: " << shownWhenCancelled.toStdString();
    EXPECT_LT(result.transferCount, 3);
    EXPECT_FALSE(form.isVisible());
}

// The lines are counted for the bar only once the window is to show, in the middle of the walk: the
// count does not disturb the reading, and the bar runs over all the lines.
TEST_F(TransferTableTest, ALongWalkCountsItsLinesWhenItsWindowShows)
{
    MProgressForm form;
    ProgressWindowAdapter adapter(form);
    progressShown = &adapter;
    std::vector<int> maxima;
    completion = [&form, &maxima](db::LocalTable&) {
        maxima.push_back(form.MaxValue());
        QThread::msleep(MProgressForm::ShowDelayMs / 2 + 10);
    };
    const TransferTableResult result = select({});
    EXPECT_FALSE(result.cancelled);
    EXPECT_EQ(result.transferCount, 3);
    EXPECT_EQ(result.sourceLines, 4);
    ASSERT_EQ(maxima.size(), 4u);
    EXPECT_EQ(maxima.back(), 4) << "counted once the window was due";
    EXPECT_EQ(rows().size(), 4u) << "three employees and the total";
}

TEST_F(TransferTableTest, TwoPerRowByEmployeeAlternatesSlotsAndLeavesTheLastSecondSlotEmpty)
{
    const TransferTableResult result = select({}, QString(), TwoPerRowLayout());
    const QString total = LoadFormResourceStr("WAGBK", 10101);
    EXPECT_EQ(pairs(), (std::vector<QStringList>{{"004123", "王小明", "1000", "E", "008999", "李大華", "1002", "E"},
                                                  {"004777", "林工廠", "800", "E", "", "", "0", ""},
                                                  {total, "", "2802", "T", "", "", "0", ""}}));
    EXPECT_EQ(result.transferCount, 3) << "employees, not rows";
}

TEST_F(TransferTableTest, TwoPerRowByDepartmentStartsEachDepartmentOnANewRow)
{
    SelectionConditions c;
    c.sortMode = 1;
    select(c, QString(), TwoPerRowLayout());
    const QString subtotal = LoadFormResourceStr("WAGBK", 10102);
    EXPECT_EQ(pairs(), (std::vector<QStringList>{{"004123", "王小明", "1000", "E", "008999", "李大華", "1002", "E"},
                                                  {"004777", "林工廠", "300", "E", "", "", "0", ""},
                                                  {subtotal + "(A01)", "", "2302", "S", "", "", "0", ""},
                                                  {"004777", "林工廠", "500", "E", "", "", "0", ""},
                                                  {subtotal + "(B01)", "", "500", "S", "", "", "0", ""},
                                                  {LoadFormResourceStr("WAGBK", 10101), "", "2802", "T", "", "", "0", ""}}));

    // A department without subtotal (its sum is not above zero) still ends its row.
    company.exec("UPDATE TF_FS1 SET AMTN_NET=-5000 WHERE FS_NO='R1' AND YG_NO='E001'");
    select(c, QString(), TwoPerRowLayout());
    EXPECT_EQ(pairs(), (std::vector<QStringList>{{"004123", "王小明", "-5000", "E", "008999", "李大華", "1002", "E"},
                                                  {"004777", "林工廠", "300", "E", "", "", "0", ""},
                                                  {"004777", "林工廠", "500", "E", "", "", "0", ""},
                                                  {subtotal + "(B01)", "", "500", "S", "", "", "0", ""}}));
}

// The account is kept whole: a bank's file that holds fewer digits refuses it, never a table that cuts it.
TEST_F(TransferTableTest, TwoPerRowKeepsTheWholeAccount)
{
    company.exec("UPDATE MF_YG SET BACC1_NO='12345678901234' WHERE YG_NO='E002'");
    select({}, QString(), TwoPerRowLayout());
    table.first();
    EXPECT_EQ(table.fieldText("BACC_NO1"), "12345678901234");
}

TEST_F(TransferTableTest, EmployeesWithoutNamesKeepTheirSlotsWhenLaidOutAnew)
{
    company.exec("UPDATE MF_YG SET NAME='' WHERE YG_NO IN ('E001','E002')");
    SelectionConditions c;
    c.sortMode = 1;
    select(c, QString(), TwoPerRowLayout());
    EXPECT_EQ(pairs().front(), (QStringList{"004123", "", "1000", "E", "008999", "", "1002", "E"}));

    db::LocalTable flat("TEST", "FLAT"), list("TEST", "LIST");
    RelayEmployees(table, layout, flat, 1);
    std::vector<QStringList> employees;
    for (flat.first(); !flat.eof(); flat.next())
        employees.push_back({flat.fieldText("BACC_NO"), QString::number(flat.fieldFloat("A_MTN")), flat.fieldText(RowKindColumnName)});
    EXPECT_EQ(employees, (std::vector<QStringList>{{"004123", "1000", "E"}, {"008999", "1002", "E"}, {"004777", "300", "E"},
                                                    {"004777", "500", "E"}}))
        << "subtotal and total rows left out, nameless employees kept";

    RelayEmployees(table, layout, list, 2);
    EXPECT_EQ(list.recordCount(), 2) << "paired again without the department break";
    list.last();
    EXPECT_EQ(list.fieldText("BACC_NO1"), "004777");
    EXPECT_EQ(list.fieldFloat("A_MTN1"), 500);
    EXPECT_EQ(CountEmployees(list, 2), 4);
    EXPECT_EQ(CountEmployees(table, 2), 4);

    db::LocalTable three("TEST", "THREE");
    RelayEmployees(table, layout, three, 3);
    EXPECT_EQ(three.recordCount(), 2) << "a full row of three and one employee";
    EXPECT_EQ(CountEmployees(three, 3), 4) << "the kind column of a third slot is named when asked for";
}

} // namespace
