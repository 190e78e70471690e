// Fubon Bank: head, detail and total records byte for byte, the transfer group and the three-digit
// ROC year, what the export refuses, and what the window hands over.
#include "banks/wagbk9/wagbk9.h"
#include "runtime/cvcode.h"
#include "runtime/language.h"
#include "support/bank_export.h"
#include "transfer/media_file_writer.h"

#include <QFile>

namespace {

const TransferTableLayout Layout = TransferTableLayout::EmployeeNumbered().withLabelIn("BACC_NO");

class Bank9 : public BankExportTest {
protected:
    Bank9() : BankExportTest(QDate(2002, 3, 1)) {}
    QByteArray exportRows(std::initializer_list<TransferRow> rows, double total, const QDate& date = QDate(2002, 3, 5))
    {
        return BankExportTest::exportRows<TWagbk9bForm>(Layout, rows, ExportValues{date, total});
    }
};

TEST_F(Bank9, HeadDetailAndTotalRecordsByteForByteAsTheDescriptionShowsThem)
{
    company.setBankRow("9", "SA", "012");
    company.exec("UPDATE BANK1 SET ID3='123' WHERE BNK_NO='9'");
    const QByteArray file = exportRows({{"123456789012", "王小明", 35000, "E001"},
                                        {"小計(A01)", "", 35000},
                                        {"0021234567", "李大華", 8361, "E002"},
                                        {"合計", "", 43361}},
                                       43361);
    const QString description = ":/banks/wagbk9/description.txt";
    EXPECT_EQ(file, DescriptionExample(description, "1SA") + DescriptionExample(description, "2SA") + DescriptionExample(description, "3SA"));
    EXPECT_EQ(file.count('\n'), 4) << "two detail records between head and total";
    EXPECT_EQ(company.scalar("SELECT FILENAME FROM BANK1 WHERE BNK_NO='9'").toString(), "MEDIA.DAT");
}

TEST_F(Bank9, WithoutTheBanksRowTheGroupIsBlankWithZerosAndTheYearAlwaysHasThreeDigits)
{
    QList<QByteArray> lines = exportRows({{"1", "甲", 1, "E1"}}, 1, QDate(2010, 12, 31)).split('\n');
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0], "1" "     000000" "0991231" + QByteArray(45, ' ') + "\r");
    EXPECT_EQ(lines[1].left(33), "2" "     000000" "0991231" "10000000000000");
    lines = exportRows({{"1", "甲", 1, "E1"}}, 1, QDate(2011, 1, 2)).split('\n');
    EXPECT_EQ(lines[2].left(19), "3" "     000000" "1000102");
    EXPECT_EQ(lines[2].size(), 65) << "64 bytes and the CR";
}

// The special number is cut to six before it is filled with zeros; letters in that number field are
// refused, never written.
TEST_F(Bank9, TheSpecialNumberIsCutToSixDigitsAndLettersAreRefused)
{
    company.setBankRow("9", "SA", "012");
    company.exec("UPDATE BANK1 SET ID3='12345678' WHERE BNK_NO='9'");
    QList<QByteArray> lines = exportRows({{"1", "甲", 1, "E1"}}, 1).split('\n');
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0].mid(6, 6), "123456") << "eight digits cut to six";
    EXPECT_EQ(lines[2].size(), 65) << "64 bytes and the CR";

    company.exec("UPDATE BANK1 SET ID3='12a' WHERE BNK_NO='9'");
    EXPECT_EQ(refusals([this] { exportRows({{"1", "甲", 1, "E1"}}, 1); }),
              QStringList{RefusalLine(LoadFormResourceStr("WAGBK", 15919), "專號", "12a", values::FaultText(values::Fault::NotDigits))});
}

TEST_F(Bank9, CentsBeyondThirtyTwoBitsAreRefusedForTheEmployeeAndTheTotal)
{
    const QStringList refused = refusals([this] { exportRows({{"1", "甲", 21474837, "E1"}, {"2", "乙", 1, "E2"}}, 21474838); });
    EXPECT_EQ(refused, (QStringList{"E1 甲: 金額 = 21474837（超過欄位可容納的金額）", "表尾: 總金額 = 21474838（超過欄位可容納的金額）"}));
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(Bank9, TheWindowHandsTheDateAndTheTotalButNoCount)
{
    company.addPayRun("R1", QDate(2002, 3, 5));
    company.addEmployee({"E001", "王小明", "123456789012", "", "", "", "2", "A123456789"});
    company.addEmployee({"E002", "李大華", "0021234567", "", "", "", "2", "B223456789"});
    company.addPayLine("R1", "E001", 35000);
    company.addPayLine("R1", "E002", 8361);
    const ReleasedForm<TWagbk9Form> window = openWindow<TWagbk9Form>();
    const ExportValues handed = handedOver(*window);
    EXPECT_EQ(handed.transferTotal, 43361);
    EXPECT_EQ(handed.transferCount, 0);

    ReleasedForm<TWagbk9cForm> list(Create<TWagbk9cForm>(nullptr));
    EXPECT_EQ(PrintedLines(*list, window->transferTable(), QDate(2002, 3, 5), company.path("list.pdf")).front(),
              (QStringList{"E001", "王小明", "A123456789", "123456789012", "35,000.00"}));
}

} // namespace
