// Hsinchu International Bank: the serial-numbered records byte for byte, both closing records, the
// file named after the transfer date, what is refused, and what the window hands over.
#include "banks/wagbk25/wagbk25.h"
#include "runtime/language.h"
#include "support/bank_export.h"
#include "transfer/media_file_writer.h"

#include <QFile>
#include <QToolButton>

namespace {

const QByteArray Blank10(10, ' '), Blank12(12, ' ');

class Bank25 : public BankExportTest {
protected:
    Bank25() : BankExportTest(QDate(2006, 3, 1)) {}
    QByteArray exportRows(std::initializer_list<TransferRow> rows, double total, const QDate& date = QDate(2006, 3, 5))
    {
        return BankExportTest::exportRows<TWagbk25bForm>(TransferTableLayout::EmployeeNumbered(12, 10), rows,
                                                         ExportValues{date, total, 0});
    }
};

TEST_F(Bank25, RecordsByteForByteAsTheDescriptionShowsThem)
{
    company.setBankRow("25", "123456789");
    const QByteArray file = exportRows({{"1234567890", "王小明", 35000, "E1", "A123456789"}, {"合計", "", 35000}}, 35000);
    const QByteArray example = DescriptionExample(":/banks/wagbk25/description.txt", "0000");
    ASSERT_EQ(example.count('\n'), 2);
    EXPECT_EQ(file, example + "1111111111111111" "000000001" "DR" "0000003500000" + Blank12 + "\r\n"
                              "1111111111111111" "000000001" "CR" "0000003500000" + Blank12 + "\r\n");
    EXPECT_TRUE(messages.last().startsWith(LoadFormResourceStr("WAGBK", 10082))) << messages.last().toStdString();
}

// Both closing records are 52 bytes: the credit count stands in the same nine digits as the debit count.
TEST_F(Bank25, SerialNumbersRunOnAndTheClosingRecordsCountTheEmployees)
{
    const QList<QByteArray> lines = exportRows({{"1", "甲", 32500, "E1", "A1234567"},
                                                {"小計(A01)", "", 32500},
                                                {"1234567890123", "乙", 100, "E2", "B123456789"},
                                                {"小計(B01)", "", 100},
                                                {"合計", "", 32600}},
                                               32600)
                                        .split('\n');
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines[0], "00001" "0950305" "             " "DR" "00000003260000" "24" + Blank10 + "\r")
        << "a missing row gives a blank company account";
    EXPECT_EQ(lines[1], "00002" "0950305" "0000000000001" "CR" "0000003250000" "24" "  A1234567\r");
    EXPECT_EQ(lines[2], "00003" "0950305" "1234567890123" "CR" "0000000010000" "24" "B123456789\r")
        << "an account and an identity number that fill their fields";
    EXPECT_EQ(lines[3], "1111111111111111" "000000001" "DR" "0000003260000" + Blank12 + "\r");
    EXPECT_EQ(lines[4], "1111111111111111" "000000002" "CR" "0000003260000" + Blank12 + "\r");
    EXPECT_EQ(lines[4].size(), 53);
}

TEST_F(Bank25, FromRocYear100ThePostingDateAndTheFileNameTakeSevenDigits)
{
    const QList<QByteArray> lines = exportRows({{"1", "甲", 1, "E1"}}, 1, QDate(2011, 1, 5)).split('\n');
    EXPECT_EQ(lines[0].mid(5, 7), "1000105");
    EXPECT_EQ(lines[1].mid(5, 7), "1000105");
    EXPECT_EQ(proposedPath<TWagbk25bForm>({QDate(2011, 1, 5)}), company.mediaFolder() + "/1000105");
    EXPECT_EQ(proposedPath<TWagbk25bForm>({QDate(2006, 3, 5)}), company.mediaFolder() + "/950305");
    EXPECT_EQ(browseTo("/tmp/PAY", "*.TXT"), "/tmp/PAY") << "a browsed name gains no extension";
}

TEST_F(Bank25, CentsBeyondThirtyTwoBitsAreRefused)
{
    const QStringList refused = refusals([this] { exportRows({{"1", "甲", 21474837, "E1"}}, 21474837); });
    EXPECT_EQ(refused, (QStringList{"表頭: 總金額 = 21474837（超過欄位可容納的金額）", "E1 甲: 金額 = 21474837（超過欄位可容納的金額）", "表尾: 總金額 = 21474837（超過欄位可容納的金額）",
                                    "表尾: 總金額 = 21474837（超過欄位可容納的金額）"}));
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(Bank25, TheDialogsCaptionAndRowAndTheWindowHandsOverDateAndTotal)
{
    ReleasedForm<TWagbk25aForm> parameters(Create<TWagbk25aForm>(nullptr));
    parameters->ShowModal();
    EXPECT_EQ(parameters->windowTitle(), "新竹國際商銀");
    parameters->Btn_F8Click();
    EXPECT_EQ(company.scalar("SELECT NAME || ',' || FILENAME FROM BANK1 WHERE BNK_NO='25'").toString(),
              LoadFormResourceStr("WAGBK", 11023) + ",Wage");

    company.addPayRun("R1", QDate(2006, 3, 5));
    company.addEmployee({"E001", "王小明", "0123456789", "", "", "", "2", "A123456789"});
    company.addPayLine("R1", "E001", 32500);
    const ReleasedForm<TWagbk25Form> window = openWindow<TWagbk25Form>();
    EXPECT_EQ(window->windowTitle(), LoadFormResourceStr("WAGBK", 11024));
    EXPECT_EQ(window->component<QToolButton>("Rem")->toolTip(), LoadFormResourceStr("WAGBK", 11024));
    const ExportValues handed = handedOver(*window);
    EXPECT_EQ(handed.transferTotal, 32500);
    EXPECT_EQ(handed.transferCount, 0);
}

} // namespace
