// Taiwan Business Bank, Taichung area: header and 40-byte records byte for byte from a two-per-row
// table, the transfer kind from the categories, the check amount and the list that carries it.
#include "banks/wagbk6/wagbk6.h"
#include "runtime/language.h"
#include "runtime/report/qrprinter.h"
#include "runtime/ui/function_buttons.h"
#include "support/bank_export.h"
#include "transfer/saved_conditions.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

const TransferTableLayout Layout = TwoPerRowLayout();

class Bank6 : public BankExportTest {
protected:
    Bank6() : BankExportTest(QDate(2026, 3, 1)) {}
    QByteArray exportPairs(std::initializer_list<TransferPair> rows, ExportValues values)
    {
        FillTransferPairs(table, Layout, rows);
        dialog.reset(Create<TWagbk6bForm>(nullptr));
        return exportTable(values);
    }
    static ExportValues handed(double total, const QString& kind)
    {
        ExportValues values;
        values.transferDate = QDate(2026, 3, 5);
        values.transferTotal = total;
        values.further.insert("KIND", kind);
        return values;
    }
};

TEST_F(Bank6, HeaderThenOneRecordPerEmployeeFirstSlotThenSecond)
{
    company.setBankRow("6", "12345678901", "ABC");
    company.exec("UPDATE BANK1 SET ID3='07' WHERE BNK_NO='6'");
    const QByteArray file = exportPairs({{{"111222333444", "王小明", 100000, "", "A123456789"}, TransferRow{"555", "李大華", 23456}},
                                         {{"小計(A01)", "", 123456}},
                                         {{"666", "陳一", 0, "", ""}}},
                                        handed(123456, "D5"));
    EXPECT_EQ(file, "9" "ABC" "12345678901" "D5" "0" "000012345600" "20260305" "07" "\r\n"
                    "0" "111222333444  " "D5" "1" "000010000000" "A123456789" "\r\n"
                    "0" "555           " "D5" "1" "000002345600" "          " "\r\n"
                    "0" "666           " "D5" "1" "000000000000" "          " "\r\n");
}

TEST_F(Bank6, AnEmptyKindIsSalaryAndAMissingRowLeavesTheCodesBlank)
{
    const QByteArray file = exportPairs({{{"1", "甲", 1}}}, handed(1, QString()));
    EXPECT_EQ(file, "9" "   " "           " "B5" "0" "000000000100" "20260305" "  " "\r\n"
                    "0" "1             " "B5" "1" "000000000100" "          " "\r\n");
}

TEST_F(Bank6, ATotalBeyondTwelveDigitsIsRefused)
{
    EXPECT_EQ(refusals([this] { exportPairs({{{"1", "甲", 1}}}, handed(10000000000, "B5")); }),
              QStringList{"表頭: 總金額 = 10000000000"})
        << "shown in whole units, as the clerk knows the amount";
}

TEST(Bank6Kind, OnlyTheRegularSalaryOrItWithRunsOfNoCategoryIsSalary)
{
    TestCompany company;
    const QString regular = RegularSalaryLabel();
    EXPECT_EQ(TransferKind(regular), "B5");
    EXPECT_EQ(TransferKind(regular + ";IsNull"), "B5");
    EXPECT_EQ(TransferKind("IsNull;" + regular + ";"), "B5");
    EXPECT_EQ(TransferKind(regular + ";年終獎金"), "D5");
    EXPECT_EQ(TransferKind(regular + ";IsNull;年終獎金"), "D5");
    EXPECT_EQ(TransferKind("IsNull"), "D5");
    EXPECT_EQ(TransferKind("年終獎金"), "D5");
    EXPECT_EQ(TransferKind(QString()), "D5");
}

TEST(Bank6Check, DateThousandsTimesLinesAndTheCompanysNumbers)
{
    // 20260305 + 123 * 4 + 0091234 + 567890
    EXPECT_EQ(CheckAmount(QDate(2026, 3, 5), 123456, 4, "12345678901", "009"), 20260305 + 123 * 4 + 91234 + 567890);
    EXPECT_EQ(CheckAmount(QDate(2026, 3, 5), 999, 4, "1234X678901", "AB"), 20260305) << "texts that are not numbers count 0";
    EXPECT_EQ(CheckAmount(QDate(2026, 3, 5), 5000, 2, QString(), QString()), 20260305 + 10);
}

class Bank6Window : public Bank6 {
protected:
    void SetUp() override
    {
        Bank6::SetUp();
        company.setBankRow("6", "12345678901", "009");
        company.addPayRun("R1", QDate(2026, 3, 2));
        company.addPayRun("R2", QDate(2026, 3, 3));
        company.addAdditionalRun("FJ1", "年終獎金");
        company.addEmployee({"E1", "甲", "111", "", "", ""});
        company.addEmployee({"E2", "乙", "222", "", "", ""});
        company.addEmployee({"E3", "丙", "333", "", "", ""});
        company.addPayLine("R1", "E1", 40000);
        company.addPayLine("R2", "E1", 5000, "A01", "FJ1");
        company.addPayLine("R1", "E2", 30000);
        company.addPayLine("R1", "E3", 20000);
        window = openWindow<TWagbk6Form>();
        window->component<QLineEdit>("ZZ_DD")->setText("115/03/05");
    }
    void run(int code) { window->component<TFunctionButtons>("FunctionButtons1")->RunCommand(code); }
    ReleasedForm<TWagbk6Form> window;
};

TEST_F(Bank6Window, TheWindowHandsTheKindAndTheTotalAndTheListCarriesTheCheckAmount)
{
    const ExportValues values = handedOver(*window);
    EXPECT_EQ(values.further.value("KIND"), "B5");
    EXPECT_EQ(values.transferTotal, 90000);
    EXPECT_EQ(values.transferCount, 0);
    EXPECT_EQ(window->checkAmount(), 20260305 + 90 * 3 + 91234 + 567890) << "three selected lines";

    automation.onModal([](MForm& panel) {
        panel.component<QLineEdit>("ED_SZ")->setText(RegularSalaryLabel() + ";年終獎金");
        panel.component<QPushButton>("Btn_F8")->click();
        return int(mrOk);
    });
    run(cmdConditions);
    EXPECT_EQ(handedOver(*window).further.value("KIND"), "D5");
    EXPECT_EQ(window->checkAmount(), 20260305 + 95 * 4 + 91234 + 567890) << "four selected lines";

    ReleasedForm<TWagbk6cForm> list(Create<TWagbk6cForm>(nullptr));
    list->SetCheckAmount(window->checkAmount());
    EXPECT_EQ(PrintedLines(*list, window->ListTable(), QDate(2026, 3, 5), company.path("list.pdf")),
              (std::vector<QStringList>{{"111", "甲", "45,000.00", "222", "乙", "30,000.00"}, {"333", "丙", "20,000.00", "", "", ""}}));
    const report::LaidOutPage& page = list->QuickRep1.QRPrinter()->pages().pages.back();
    EXPECT_EQ(page.find("ChkAmtn")->text, QString::number(*window->checkAmount()));
    EXPECT_EQ(page.find("PageCount1")->text, "3");
    EXPECT_EQ(page.find("QRExpr3")->text, "95,000.00");
}

TEST_F(Bank6Window, NoCheckAmountWithoutAnythingToTransfer)
{
    company.exec("UPDATE TF_FS1 SET AMTN_NET=0");
    run(cmdBuildTable);
    EXPECT_FALSE(window->checkAmount().has_value());
}

} // namespace
