// The Chinese Bank: the 80-byte header and details byte for byte, the effective date with its
// four-digit ROC year, the largest values that fit and the file without extension.
#include "banks/wagbk16/wagbk16.h"
#include "runtime/language.h"
#include "support/bank_export.h"

namespace {

const TransferTableLayout Layout = TransferTableLayout::Standard();

class Bank16 : public BankExportTest {
protected:
    Bank16() : BankExportTest(QDate(2002, 3, 1)) {}
    QByteArray exportRows(std::initializer_list<TransferRow> rows, const QDate& date = QDate(2002, 3, 5))
    {
        return BankExportTest::exportRows<TWagbk16bForm>(Layout, rows, HandedOverFor(rows, date));
    }
};

TEST_F(Bank16, HeaderAndDetailsByteForByteAsTheDescriptionShowsThem)
{
    company.setBankRow("16", "1234");
    const QByteArray file = exportRows({{"0123456789", "王小明", 8361},
                                        {"小計(A01)", "", 8361},
                                        {"12345678901234", "李大華", 52000},
                                        {"合計", "", 60361}});
    EXPECT_EQ(file, "1234" "000002" "000006036100" "00910305" "1" "101" + QByteArray(46, ' ') + "\r\n"
                    "0123456789    " "000000836100" + QByteArray(54, ' ') + "\r\n"
                    "12345678901234" "000005200000" + QByteArray(54, ' ') + "\r\n");
    EXPECT_EQ(file, DescriptionExample(":/banks/wagbk16/description.txt", "1234000002")
                        + DescriptionExample(":/banks/wagbk16/description.txt", "0123456789")
                        + DescriptionExample(":/banks/wagbk16/description.txt", "12345678901234"));
    EXPECT_TRUE(messages.last().startsWith(LoadFormResourceStr("WAGBK", 10082))) << messages.last().toStdString();
}

TEST_F(Bank16, TheEffectiveDateKeepsFourYearDigitsOnBothSidesOfTheYear100)
{
    for (const auto& [date, written] : {std::pair{QDate(1992, 2, 10), QByteArray("00810210")},
                                        std::pair{QDate(2010, 12, 31), QByteArray("00991231")},
                                        std::pair{QDate(2012, 3, 5), QByteArray("01010305")}}) {
        const QList<QByteArray> lines = exportRows({{"1", "甲", 1}}, date).split('\n');
        EXPECT_EQ(lines[0].left(4), "    ") << "no BANK1 row: the unit code is blank";
        EXPECT_EQ(lines[0].mid(22, 8), written);
        EXPECT_EQ(lines[0].size(), 81);
    }
}

TEST_F(Bank16, ANewRowAndAMissingOneBothProposeCmfpcslAndTheChosenNameStays)
{
    dialog.reset(Create<TWagbk16bForm>(nullptr));
    dialog->ShowModal();
    EXPECT_EQ(dialog->component<QLineEdit>("PathFile")->text(), company.mediaFolder() + "/CMFPCSL");
    EXPECT_EQ(saveParameters<TWagbk16aForm>("16"), std::pair(std::vector<int>{4}, LoadFormResourceStr("WAGBK", 11015) + "|CMFPCSL"));
    dialog->ShowModal();
    EXPECT_EQ(dialog->component<QLineEdit>("PathFile")->text(), company.mediaFolder() + "/CMFPCSL");
    EXPECT_EQ(browseTo("/tmp/PAY.DAT", "*.TXT"), "/tmp/PAY.DAT");
}

TEST_F(Bank16, TheLargestValuesThatFitAreWrittenAndLargerOnesRefused)
{
    EXPECT_EQ(exportRows({{"1", "甲", 21474836}}).split('\n')[1].mid(14, 12), "002147483600");
    EXPECT_EQ(refusals([this] { exportRows({{"1", "甲", 21474837}}); }), QStringList{"甲: 金額 = 21474837（超過欄位可容納的金額）"});

    EXPECT_EQ(renderedRecord<TWagbk16bForm>(&MediaLayout::header, ExportValues{QDate(2002, 3, 5), 9999999999.0, 999999}).mid(4, 18),
              "999999" "999999999900");
    FillTransferRows(table, Layout, {{"1", "甲", 1}});
    dialog.reset(Create<TWagbk16bForm>(nullptr));
    EXPECT_EQ(refusals([this] { exportTable(ExportValues{QDate(2002, 3, 5), 10000000000.0, 1234567}); }),
              (QStringList{"表頭: 總筆數 = 1234567", "表頭: 總金額 = 10000000000"}))
        << "a count of seven digits is refused, not cut to 234567";
}

} // namespace
