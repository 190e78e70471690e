// First Bank: the records of a two-per-row table byte for byte, the transaction codes, the parameter
// dialog's first value and exit correction, the window's pairs and the two-column list.
#include "banks/wagbk5/wagbk5.h"
#include "runtime/language.h"
#include "runtime/ui/function_buttons.h"
#include "runtime/report/qrprinter.h"
#include "support/bank_export.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>

namespace {

const TransferTableLayout Layout = TwoPerRowLayout();

class Bank5 : public BankExportTest {
protected:
    Bank5() : BankExportTest(QDate(2026, 1, 31)) {}
    QByteArray exportPairs(std::initializer_list<TransferPair> rows, const QDate& date = QDate(2026, 1, 31))
    {
        return BankExportTest::exportPairs<TWagbk5bForm>(Layout, rows, date);
    }
};

TEST_F(Bank5, OneRecordPerEmployeeFirstSlotThenSecondSkippingSubtotals)
{
    company.setBankRow("5", "12345678901", "2");
    const QByteArray file = exportPairs({{{"11122233344", "王小明", 12345, "", "A123456789"}, TransferRow{"555666777", "李大華", 100}},
                                         {{"小計(A01)", "", 12445}},
                                         {{"99988877766", "陳一", 1, "", "B22345678901"}}});
    EXPECT_EQ(file, "11122233344" "000000001234500" "1916" "12345678901" "1150131" "        " "A123456789" "2" "              \r\n"
                    "555666777  " "000000000010000" "1916" "12345678901" "1150131" "        " "          " "0" "              \r\n"
                    "99988877766" "000000000000100" "1916" "12345678901" "1150131" "        " "B223456789" "2" "              \r\n")
        << "the odd employee's row has an empty second slot and yields one record";
    EXPECT_TRUE(messages.last().startsWith(LoadFormResourceStr("WAGBK", 10082))) << messages.last().toStdString();
}

TEST_F(Bank5, TheTransactionCodeIs1916OnlyForTheSameBranch)
{
    auto code = [this] { return exportPairs({{{"1", "甲", 1}}}).mid(26, 4); };
    EXPECT_EQ(code(), "1911") << "no BANK1 row";
    company.setBankRow("5", "1", "1");
    EXPECT_EQ(code(), "1911");
    company.setBankRow("5", "1", "");
    EXPECT_EQ(code(), "1911");
    company.setBankRow("5", "1", "2");
    EXPECT_EQ(code(), "1916");
    const QByteArray before100 = exportPairs({{{"1", "甲", 1}}}, QDate(2010, 12, 31));
    EXPECT_EQ(before100.size(), 82) << "80 bytes and CR LF before ROC year 100";
    EXPECT_EQ(before100.mid(41, 6), "991231");
}

TEST_F(Bank5, ASecondEmployeeIsNeverLostBehindANamelessFirst)
{
    const QStringList refused = refusals([this] {
        FillTransferPairs(table, Layout, {{{"111", "甲", 1}, TransferRow{"222", "乙", 2}}, {{"333", "丙", 3}, TransferRow{"444", "", 4}}});
        table.first();
        table.edit();
        table.setField("YG_NAME", QString());
        table.post();
        dialog.reset(Create<TWagbk5bForm>(nullptr));
        exportTable(QDate(2026, 1, 31));
    });
    EXPECT_EQ(refused.size(), 2);
    EXPECT_TRUE(refused.value(0).startsWith("111:")) << refused.value(0).toStdString();
    EXPECT_TRUE(refused.value(1).startsWith("444:")) << "the rule on employee rows holds for the second slot";
    EXPECT_FALSE(QFile::exists(path));

    EXPECT_EQ(refusals([this] { exportPairs({{{"1", "甲", 21474836}, TransferRow{"2", "乙", 21474837}}}); }),
              QStringList{"乙: 金額 = 21474837（超過欄位可容納的金額）"});
}

TEST_F(Bank5, TheBranchParameterStartsAtOneAndIsCorrectedOnlyAfterAChange)
{
    ReleasedForm<TWagbk5aForm> parameters(Create<TWagbk5aForm>(nullptr));
    parameters->ShowModal();
    auto* branch = parameters->component<QLineEdit>("ID2_5");
    EXPECT_EQ(branch->text(), "1") << "a missing row shows 1";
    EXPECT_EQ(branch->toolTip(), "1.聯行,2.分行");
    EXPECT_EQ(parameters->windowTitle(), LoadFormResourceStr("WAGBK", 11004));
    branch->setText("9");
    emit branch->editingFinished();
    EXPECT_EQ(branch->text(), "1");
    branch->setText("2");
    emit branch->editingFinished();
    EXPECT_EQ(branch->text(), "2");
    parameters->Btn_F8Click();
    EXPECT_EQ(company.scalar("SELECT ID2 || ',' || FILENAME FROM BANK1 WHERE BNK_NO='5'").toString(), "2,SALY.DAT");

    company.exec("UPDATE BANK1 SET ID2='X' WHERE BNK_NO='5'");
    parameters->ShowModal();
    emit branch->editingFinished();
    EXPECT_EQ(branch->text(), "X") << "left unchanged, the loaded value stays";
}

// The window on real pay data: five employees in two departments.
class Bank5Window : public Bank5 {
protected:
    void SetUp() override
    {
        Bank5::SetUp();
        company.addPayRun("R1", QDate(2026, 1, 25));
        const char* const people[][4] = {{"E1", "甲", "111", "A01"}, {"E2", "乙", "222", "A01"}, {"E3", "丙", "333", "A01"},
                                          {"E4", "丁", "444", "B01"}, {"E5", "戊", "555", "B01"}};
        int pay = 1000;
        for (const auto& p : people) {
            TestCompany::Employee e{p[0], p[1], p[2], "", "", ""};
            e.idNo = QStringLiteral("ID") + p[0];
            e.department = p[3];
            company.addEmployee(e);
            company.addPayLine("R1", p[0], pay, p[3]);
            pay += 1000;
        }
        window = openWindow<TWagbk5Form>();
    }
    void run(int code) { window->component<TFunctionButtons>("FunctionButtons1")->RunCommand(code); }
    void sortByDepartment()
    {
        automation.onModal([](MForm& panel) {
            panel.component<QComboBox>("COM_SORT")->setCurrentIndex(1);
            panel.component<QPushButton>("Btn_F8")->click();
            return int(mrOk);
        });
        run(cmdConditions);
    }
    std::vector<QStringList> tableRows()
    {
        std::vector<QStringList> rows;
        db::LocalTable& table = window->transferTable();
        for (table.first(); !table.eof(); table.next())
            rows.push_back({table.fieldText("BACC_NO"), table.fieldText("BACC_NO1")});
        return rows;
    }
    ReleasedForm<TWagbk5Form> window;
};

TEST_F(Bank5Window, ByEmployeeTheSlotsAlternateAndTheExportGetsTheDateOnly)
{
    run(cmdBuildTable);
    const QString total = LoadFormResourceStr("WAGBK", 10101);
    EXPECT_EQ(tableRows(), (std::vector<QStringList>{{"111", "222"}, {"333", "444"}, {"555", ""}, {total, ""}}));
    EXPECT_EQ(window->transferCount(), 5);
    EXPECT_FALSE(window->transferTable().fieldDef("ID_NO1").visible);
    EXPECT_EQ(window->transferTable().fieldDef("BACC_NO1").displayLabel, window->transferTable().fieldDef("BACC_NO").displayLabel);

    const std::optional<ExportValues> handed = exportFromWindow(*window);
    ASSERT_TRUE(handed.has_value());
    EXPECT_EQ(handed->transferTotal, 0);
    EXPECT_EQ(handed->transferCount, 0);
    const QList<QByteArray> records = ReadFileBytes(path).split('\n');
    ASSERT_EQ(records.size(), 6) << "five records";
    EXPECT_EQ(records[1].left(11), "222        ");
    EXPECT_EQ(records[4].mid(56, 11), "IDE5      2");
}

TEST_F(Bank5Window, ByDepartmentEachDepartmentStartsARowAndTheListPairsThemAgainCountingPersons)
{
    sortByDepartment();
    run(cmdBuildTable);
    const QString subtotal = LoadFormResourceStr("WAGBK", 10102);
    EXPECT_EQ(tableRows(), (std::vector<QStringList>{{"111", "222"}, {"333", ""}, {subtotal + "(A01)", ""}, {"444", "555"},
                                                      {subtotal + "(B01)", ""}, {LoadFormResourceStr("WAGBK", 10101), ""}}));

    db::LocalTable& listTable = window->ListTable();
    EXPECT_TRUE(listTable.tableName().startsWith("BK51"));
    ReleasedForm<TWagbk5cForm> report(Create<TWagbk5cForm>(nullptr));
    EXPECT_EQ(PrintedLines(*report, listTable, QDate(2026, 1, 31), company.path("list.pdf")),
              (std::vector<QStringList>{{"111", "甲", "1,000.00", "222", "乙", "2,000.00"},
                                        {"333", "丙", "3,000.00", "444", "丁", "4,000.00"},
                                        {"555", "戊", "5,000.00", "", "", ""}}))
        << "pairs without the department break; no second amount on the last line";
    const report::LaidOutPage& page = report->QuickRep1.QRPrinter()->pages().pages.back();
    EXPECT_EQ(page.find("PageCount1")->text, "5") << "persons, not lines";
    EXPECT_EQ(page.find("PageAmtn1")->text, "15,000.00");
    EXPECT_EQ(page.find("PageCount2")->text, "5");
    EXPECT_EQ(page.find("QRExpr3")->text, "15,000.00");
    EXPECT_EQ(report->QuickRep1.findItem("ED_SZ_F3"), nullptr);
}

} // namespace
