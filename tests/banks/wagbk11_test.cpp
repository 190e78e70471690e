// Da An Commercial Bank: the 50-byte header and detail records byte for byte, the sign flag, the
// largest values that fit, and the file name the dialogs propose.
#include "banks/wagbk11/wagbk11.h"
#include "runtime/language.h"
#include "support/bank_export.h"

namespace {

const TransferTableLayout Layout = TransferTableLayout::Standard();

class Bank11 : public BankExportTest {
protected:
    Bank11() : BankExportTest(QDate(2002, 3, 1)) {}
    QByteArray exportRows(std::initializer_list<TransferRow> rows, const QDate& date = QDate(2002, 3, 5))
    {
        return BankExportTest::exportRows<TWagbk11bForm>(Layout, rows, HandedOverFor(rows, date));
    }
    void setCodes()
    {
        company.setBankRow("11", "05", "123456");
        company.exec("UPDATE BANK1 SET ID3='000111222333' WHERE BNK_NO='11'");
    }
};

TEST_F(Bank11, HeaderAndDetailsByteForByteAsTheDescriptionShowsThem)
{
    setCodes();
    const QByteArray file = exportRows({{"0230047074", "王小明", 8361},
                                        {"小計(A01)", "", 8361},
                                        {"123456789012", "李大華", 52000},
                                        {"合計", "", 60361}});
    const QByteArray header = DescriptionExample(":/banks/wagbk11/description.txt", "05123456");
    const QByteArray details = DescriptionExample(":/banks/wagbk11/description.txt", "0230047074")
                               + DescriptionExample(":/banks/wagbk11/description.txt", "123456789012");
    EXPECT_EQ(file, "05" "123456" "000111222333" "0" "000000006036100" "000002" "910305" "H0\r\n"
                    "0230047074  " "0" "1" "000000000836100" "000000000000000000000\r\n"
                    "123456789012" "0" "1" "000000005200000" "000000000000000000000\r\n");
    EXPECT_EQ(file, header + details);
    EXPECT_TRUE(messages.last().startsWith(LoadFormResourceStr("WAGBK", 10082))) << messages.last().toStdString();
    EXPECT_EQ(company.scalar("SELECT FILENAME FROM BANK1 WHERE BNK_NO='11'").toString(), "MEDIA.DAT");
}

TEST_F(Bank11, TheSignFlagMarksDebitsWhileTheAmountKeepsItsMinus)
{
    const QList<QByteArray> lines = exportRows({{"1", "甲", 0}, {"2", "乙", -500}}).split('\n');
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0].left(21), QByteArray(20, ' ') + "0") << "no BANK1 row: the codes are blank";
    EXPECT_EQ(lines[0].mid(21, 15), "000000000-50000") << "the total of -500 in cents";
    EXPECT_EQ(lines[1].mid(12, 17), "0" "1" "000000000000000");
    EXPECT_EQ(lines[2].mid(12, 17), "0" "0" "000000000-50000");
}

TEST_F(Bank11, FromRocYear100TheHeaderGrowsToFiftyOne)
{
    setCodes();
    const QList<QByteArray> before = exportRows({{"1", "甲", 1}}, QDate(2010, 12, 31)).split('\n');
    EXPECT_EQ(before[0].size(), 51) << "50 bytes and the CR";
    EXPECT_EQ(before[0].mid(42, 6), "991231");
    const QList<QByteArray> after = exportRows({{"1", "甲", 1}}, QDate(2011, 1, 1)).split('\n');
    EXPECT_EQ(after[0].mid(42, 9), "1000101H0");
    EXPECT_EQ(after[1].size(), 51) << "details stay at 50";
}

TEST_F(Bank11, TheLargestValuesThatFitAreWrittenAndLargerOnesRefused)
{
    const QList<QByteArray> lines = exportRows({{"1", "甲", 21474836}}).split('\n');
    EXPECT_EQ(lines[1].mid(14, 15), "000002147483600");

    const QStringList refused = refusals([this] {
        exportRows({{"1", "甲", 21474836}, {"2", "乙", 21474837}, {"3", "丙", -21474837}});
    });
    EXPECT_EQ(refused, (QStringList{"乙: 金額 = 21474837（超過欄位可容納的金額）", "丙: 金額 = -21474837（超過欄位可容納的金額）"}));

    EXPECT_EQ(renderedRecord<TWagbk11bForm>(&MediaLayout::header, ExportValues{QDate(2002, 3, 5), 9999999999999.0, 999999})
                  .left(42)
                  .mid(21),
              "999999999999900" "999999");
    FillTransferRows(table, Layout, {{"1", "甲", 100}});
    dialog.reset(Create<TWagbk11bForm>(nullptr));
    EXPECT_EQ(refusals([this] { exportTable(ExportValues{QDate(2002, 3, 5), 10000000000000.0, 1000000}); }),
              (QStringList{"表頭: 總金額 = 10000000000000", "表頭: 總筆數 = 1000000"}))
        << "a count of seven digits is refused, not cut to its last six";
}

TEST_F(Bank11, ANewRowNamesTheFileSvdaWhileAMissingRowProposesSvdaTxt)
{
    FillTransferRows(table, Layout, {{"1", "甲", 100}});
    dialog.reset(Create<TWagbk11bForm>(nullptr));
    dialog->ShowModal();
    EXPECT_EQ(dialog->component<QLineEdit>("PathFile")->text(), company.mediaFolder() + "/SVDA.TXT");

    EXPECT_EQ(saveParameters<TWagbk11aForm>("11"),
              std::pair(std::vector<int>{2, 6, 12}, LoadFormResourceStr("WAGBK", 11010) + "|SVDA"));
    dialog->ShowModal();
    EXPECT_EQ(dialog->component<QLineEdit>("PathFile")->text(), company.mediaFolder() + "/SVDA");
    EXPECT_EQ(browseTo("/tmp/PAY.DAT", "*.TXT"), "/tmp/PAY.DAT") << "the chosen name stays as chosen";
}

} // namespace
