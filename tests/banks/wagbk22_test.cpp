// Taipei Business Bank: the head and account records byte for byte, the marks, what is refused,
// the dialogs, and the window's extra columns with its list.
#include "banks/wagbk22/wagbk22.h"
#include "runtime/cvcode.h"
#include "runtime/language.h"
#include "support/bank_export.h"
#include "transfer/media_file_writer.h"

#include <QFile>
#include <QToolButton>
#include <QLineEdit>

namespace {

const TransferTableLayout Layout = [] {
    TransferTableLayout layout = TransferTableLayout::EmployeeNumbered();
    layout.labelColumn = QStringLiteral("YG_NO");
    return layout;
}();

QByteArray big5(const QString& text)
{
    return ToBig5(text).bytes;
}

class Bank22 : public BankExportTest {
protected:
    Bank22() : BankExportTest(QDate(2001, 10, 1)) {}
    QByteArray exportRows(std::initializer_list<TransferRow> rows, double total, int count,
                          const QDate& date = QDate(2001, 10, 5))
    {
        return BankExportTest::exportRows<TWagbk22bForm>(Layout, rows, ExportValues{date, total, count});
    }
};

TEST_F(Bank22, RecordsByteForByteAsTheDescriptionShowsThem)
{
    company.setBankRow("22", "12345", "14");
    const QByteArray example = DescriptionExample(":/banks/wagbk22/description.txt", "0");
    ASSERT_EQ(example.count('\n'), 2);
    EXPECT_EQ(exportRows({{"050123456789", "王小明", 35000, "E001"}, {"合計", "", 35000}}, 35000, 1), example);
    EXPECT_TRUE(messages.last().startsWith(LoadFormResourceStr("WAGBK", 10082))) << messages.last().toStdString();
    EXPECT_EQ(company.scalar("SELECT FILENAME FROM BANK1 WHERE BNK_NO='22'").toString(), "MEDIA.DAT");
}

TEST_F(Bank22, AccountsNamesAmountsAndMarks)
{
    company.setBankRow("22", "12345", "14");
    const QList<QByteArray> lines = exportRows({{"123456789012", "王小明", 54321, "E1"},
                                                {"小計(A01)", "", 54321},
                                                {"1234567890", "Amy Chen Lee", 0, "E2"},
                                                {"55", "陳一", -121, "E3"}},
                                               54200, 3)
                                        .split('\n');
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[0], "0000000000000" "12345" "901005" "000003" "000000005420000" "C" "    \r");
    EXPECT_EQ(lines[1], "1234567890120" + big5("王小明") + "    " "000000005432100" "C" "14" "12345" "    \r")
        << "the account keeps 12 characters and ends in 0";
    EXPECT_EQ(lines[2], "1234567890000" "Amy Chen L" "000000000000000" "D" "14" "12345" "    \r")
        << "an amount of 0 is a debit";
    EXPECT_EQ(lines[3], "5500000000000" + big5("陳一") + "      " "000000000-12100" "D" "14" "12345" "    \r");
}

TEST_F(Bank22, AMissingRowLeavesTheCodesBlankAndANegativeTotalIsADebit)
{
    const QList<QByteArray> lines = exportRows({{"1", "甲", -5, "E1"}}, -5, 1).split('\n');
    EXPECT_EQ(lines[0], "0000000000000" "     " "901005" "000001" "00000000000-500" "D" "    \r");
    EXPECT_EQ(lines[1].mid(38), "D" "  " "     " "    \r");
}

TEST_F(Bank22, FromRocYear100TheHeadRecordIs51Bytes)
{
    const QList<QByteArray> lines = exportRows({{"1", "甲", 1, "E1"}}, 1, 1, QDate(2026, 3, 5)).split('\n');
    EXPECT_EQ(lines[0].size(), 52) << "51 bytes and the CR";
    EXPECT_EQ(lines[0].mid(18, 7), "1150305");
    EXPECT_EQ(lines[1].size(), 51);
}

// The head record's count has six digits: a seventh would lengthen the record, so the export is refused.
TEST_F(Bank22, ACountOrCentsThatDoNotFitAreRefusedAndNothingIsWritten)
{
    const QStringList refused = refusals([this] {
        exportRows({{"1", "甲", 21474836, "E1"}, {"2", "乙", 21474837, "E2"}}, 42949673, 1000000);
    });
    EXPECT_EQ(refused, (QStringList{"表頭: 總筆數 = 1000000", "E2 乙: 金額 = 21474837（超過欄位可容納的金額）"}));
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(Bank22, TheDialogsProposeSalaryDatAndCreateTheRowWithWage)
{
    EXPECT_EQ(proposedPath<TWagbk22bForm>(), company.mediaFolder() + "/SALARY.DAT");
    ReleasedForm<TWagbk22aForm> parameters(Create<TWagbk22aForm>(nullptr));
    parameters->ShowModal();
    parameters->component<QLineEdit>("ID1_22")->setText("1234567");
    parameters->component<QLineEdit>("ID2_22")->setText("14");
    parameters->Btn_F8Click();
    EXPECT_EQ(company.scalar("SELECT NAME || ',' || ID1 || ',' || ID2 || ',' || FILENAME FROM BANK1 WHERE BNK_NO='22'").toString(),
              LoadFormResourceStr("WAGBK", 11022) + ",12345,14,Wage");
    EXPECT_EQ(proposedPath<TWagbk22bForm>(), company.mediaFolder() + "/Wage");
    EXPECT_EQ(browseTo("/tmp/PAY.TXT", "*.DAT"), "/tmp/PAY.TXT") << "a browsed name keeps its extension";
}

TEST_F(Bank22, TheWindowMarksEachRowAndShowsTheCodesThenListsThem)
{
    company.setBankRow("22", "12345", "14");
    company.addPayRun("R1", QDate(2001, 10, 5));
    company.addEmployee({"E001", "王小明", "0501234567", "", "", "", "2", "A123456789"});
    company.addEmployee({"E002", "李大華", "0509876543", "", "", "", "2", "B223456789"});
    company.addPayLine("R1", "E001", 35000);
    company.addPayLine("R1", "E002", -100);
    const ReleasedForm<TWagbk22Form> window = openWindow<TWagbk22Form>();
    EXPECT_EQ(window->windowTitle(), LoadFormResourceStr("WAGBK", 11022));
    EXPECT_EQ(window->component<QToolButton>("Rem")->toolTip(), LoadFormResourceStr("WAGBK", 11019));
    const ExportValues handed = handedOver(*window);
    EXPECT_EQ(handed.transferTotal, 34900);
    EXPECT_EQ(handed.transferCount, 2);

    db::LocalTable& table = window->transferTable();
    EXPECT_EQ(ColumnTexts(table, {"YG_NO", "YG_NAME", "DC", "CUSNO", "KIND"}),
              (std::vector<QStringList>{{"E001", "王小明", "貸", "12345", "14"},
                                        {"E002", "李大華", "借", "12345", "14"},
                                        {LoadFormResourceStr("WAGBK", 10101), "", "", "", ""}}));

    ReleasedForm<TWagbk22cForm> list(Create<TWagbk22cForm>(nullptr));
    EXPECT_EQ(PrintedLines(*list, table, QDate(2001, 10, 5), company.path("list.pdf")),
              (std::vector<QStringList>{{"0501234567", "王小明", "35,000.00", "貸", "14", "12345", ""},
                                        {"0509876543", "李大華", "-100.00", "借", "14", "12345", ""}}));
}

} // namespace
