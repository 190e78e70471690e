// Cooperative Bank: the 80-byte records byte for byte from the window's split accounts, the Taoyuan
// option kept by the window and shown by the parameter dialog, and the list of the record's parts.
#include "banks/wagbk3/wagbk3.h"
#include "runtime/language.h"
#include "runtime/report/qrprinter.h"
#include "runtime/ui/function_buttons.h"
#include "support/bank_export.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>

namespace {

class Bank3 : public BankExportTest {
protected:
    Bank3() : BankExportTest(QDate(2001, 10, 1)) {}
    void SetUp() override
    {
        BankExportTest::SetUp();
        company.addPayRun("R1", QDate(2001, 10, 5));
        addEmployee("E001", "王小明", "0123456789012", "A123456789", 35000);
        addEmployee("E002", "李大華", "1111222333334", "B223456789", 8361);
    }
    void addEmployee(const QString& number, const QString& name, const QString& account, const QString& idNo, double pay)
    {
        TestCompany::Employee e{number, name, account, "", "", ""};
        e.idNo = idNo;
        company.addEmployee(e);
        company.addPayLine("R1", number, pay);
    }
    // Opens the window, sets the option, exports to `path`; returns the file.
    QByteArray exportThroughWindow(bool taoyuan)
    {
        const ReleasedForm<TWagbk3Form> window = openWindow<TWagbk3Form>();
        window->component<QCheckBox>("ChkBox")->setChecked(taoyuan);
        handed = exportFromWindow(*window).value_or(ExportValues());
        return ReadFileBytes(path);
    }
    ExportValues handed;
};

TEST_F(Bank3, RecordsByteForByteAsTheDescriptionShowsThemWithoutTheCustomerCode)
{
    company.setBankRow("3", "5678", "12");
    const QByteArray file = exportThroughWindow(false);
    const QByteArray example = DescriptionExample(":/banks/wagbk3/description.txt", "32");
    ASSERT_EQ(example.count('\n'), 2);
    EXPECT_EQ(file, example) << "the option unchecked writes no customer code even with one set";
    EXPECT_EQ(handed.further.value("OPTION"), "0");
    EXPECT_EQ(handed.transferTotal, 0) << "only the option is handed over";
}

TEST_F(Bank3, TheTaoyuanOptionAddsTheCustomerCodeAfterTheEmployeeNumber)
{
    company.setBankRow("3", "5678", "12");
    const QList<QByteArray> lines = exportThroughWindow(true).split('\n');
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0].mid(38, 26), "E001                   12 ");
    EXPECT_EQ(lines[0].size(), 81) << "80 bytes and the CR";
    EXPECT_EQ(company.scalar("SELECT ID10 FROM BANK1 WHERE BNK_NO='3'").toString(), "1") << "kept when the window closed";
}

TEST_F(Bank3, AShortAccountLeavesItsMissingPartsBlankAndSubtotalsWriteNothing)
{
    company.exec("UPDATE MF_YG SET BACC1_NO='0123456' WHERE YG_NO='E001'");
    company.exec("UPDATE MF_YG SET BACC1_NO='11112223' WHERE YG_NO='E002'");
    const QList<QByteArray> lines = exportThroughWindow(false).split('\n');
    ASSERT_EQ(lines.size(), 3) << "the total row writes no record";
    EXPECT_EQ(lines[0].mid(0, 15), "320123456      ");
    EXPECT_EQ(lines[1].mid(0, 15), "3211112223     ");
    EXPECT_EQ(lines[0].mid(76, 4), "    ") << "no BANK1 row: no branch";
}

TEST_F(Bank3, CentsBeyondThirtyTwoBitsAreRefusedByEmployee)
{
    company.exec("UPDATE TF_FS1 SET AMTN_NET=21474837 WHERE YG_NO='E002'");
    EXPECT_TRUE(exportThroughWindow(false).isEmpty());
    ASSERT_FALSE(messages.isEmpty());
    EXPECT_TRUE(messages.last().endsWith("\nE002 李大華: 金額 = 21474837（超過欄位可容納的金額）")) << messages.last().toStdString();
}

TEST_F(Bank3, TheWindowKeepsTheOptionAndTheDialogShowsTheCustomerCodeOnlyWithIt)
{
    {
        const ReleasedForm<TWagbk3Form> window = openWindow<TWagbk3Form>();
        EXPECT_FALSE(window->component<QCheckBox>("ChkBox")->isChecked());
        bool shown = true;
        QString caption;
        automation.onModal([&](MForm& dialog) {
            shown = dialog.component<QLineEdit>("ID2_3")->isVisibleTo(&dialog) || dialog.component<QLabel>("Cust_Lab")->isVisibleTo(&dialog);
            caption = dialog.windowTitle();
            return int(mrCancel);
        });
        window->component<TFunctionButtons>("FunctionButtons1")->RunCommand(cmdBankParameters);
        EXPECT_FALSE(shown);
        EXPECT_EQ(caption, LoadFormResourceStr("WAGBK", 11002));
        window->component<QCheckBox>("ChkBox")->setChecked(true);
        window->component<TFunctionButtons>("FunctionButtons1")->RunCommand(cmdBankParameters);
        EXPECT_TRUE(shown);
        EXPECT_EQ(caption, LoadFormResourceStr("WAGBK", 11002) + "[" + LoadFormResourceStr("WAGBK", 10103) + "]");
    }
    EXPECT_EQ(company.scalar("SELECT ID10 || ',' || FILENAME || ',' || NAME FROM BANK1 WHERE BNK_NO='3'").toString(),
              "1,Hncbin," + LoadFormResourceStr("WAGBK", 11000))
        << "closing the window creates the row";
    const ReleasedForm<TWagbk3Form> again = openWindow<TWagbk3Form>();
    EXPECT_TRUE(again->component<QCheckBox>("ChkBox")->isChecked());
}

TEST_F(Bank3, TheListShowsTheRecordsPartsAndCountsRecords)
{
    company.setBankRow("3", "5678");
    const ReleasedForm<TWagbk3Form> window = openWindow<TWagbk3Form>();
    window->component<TFunctionButtons>("FunctionButtons1")->RunCommand(cmdBuildTable);
    ReleasedForm<TWagbk3cForm> list(Create<TWagbk3cForm>(nullptr));
    EXPECT_EQ(PrintedLines(*list, window->ListTable(), QDate(2001, 10, 5), company.path("list.pdf")),
              (std::vector<QStringList>{{"02", "0123", "456", "78901", "2", "35,000.00", "E001", "王小明", "A123456789", "5678"},
                                        {"02", "1111", "222", "33333", "4", "8,361.00", "E002", "李大華", "B223456789", "5678"}}));
    const report::LaidOutPage& page = list->QuickRep1.QRPrinter()->pages().pages.back();
    EXPECT_EQ(page.find("QRExpr4")->text, "2");
    bool records = false;
    for (const report::LaidOutItem& item : page.items)
        records = records || item.text == QStringLiteral("筆數共");
    EXPECT_TRUE(records);
    EXPECT_EQ(list->QuickRep1.findItem("ED_SZ_F3"), nullptr);
}

} // namespace
