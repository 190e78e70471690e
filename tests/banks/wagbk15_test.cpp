// Taiwan Business Bank, Taiwan region: the 128-byte records byte for byte in tenths, three-digit ROC
// years on both sides of the year 100, the largest amounts that fit and the file without extension.
#include "banks/wagbk15/wagbk15.h"
#include "runtime/language.h"
#include "support/bank_export.h"

namespace {

const TransferTableLayout Layout = TransferTableLayout::Standard();

class Bank15 : public BankExportTest {
protected:
    Bank15() : BankExportTest(QDate(2002, 3, 1)) {}
    QByteArray exportRows(std::initializer_list<TransferRow> rows, const QDate& date = QDate(2002, 3, 5))
    {
        return BankExportTest::exportRows<TWagbk15bForm>(Layout, rows, HandedOverFor(rows, date));
    }
};

TEST_F(Bank15, HeaderAndDetailsByteForByteInTenths)
{
    company.setBankRow("15", "1234567");
    const QByteArray file = exportRows({{"0123456789", "王小明", 8361},
                                        {"小計(A01)", "", 8361},
                                        {"12345678901", "李大華", 52000},
                                        {"合計", "", 60361}});
    EXPECT_EQ(file, "*" "1234567" "0910305" "000000002" "000000603610" + QByteArray(92, ' ') + "\r\n"
                    " " "0123456789 " "00083610" + QByteArray(108, ' ') + "\r\n"
                    " " "12345678901" "00520000" + QByteArray(108, ' ') + "\r\n")
        << "an account of 14 characters is cut to 11";
    EXPECT_TRUE(messages.last().startsWith(LoadFormResourceStr("WAGBK", 10082))) << messages.last().toStdString();
}

TEST_F(Bank15, TheYearAlwaysTakesThreeDigitsSoRecordsKeepTheirLength)
{
    for (const auto& [date, written] : {std::pair{QDate(2010, 12, 31), QByteArray("0991231")},
                                        std::pair{QDate(2011, 1, 1), QByteArray("1000101")},
                                        std::pair{QDate(2012, 3, 5), QByteArray("1010305")}}) {
        const QList<QByteArray> lines = exportRows({{"1", "甲", 1}}, date).split('\n');
        EXPECT_EQ(lines[0].mid(1, 14), "       " + written) << "no BANK1 row: the group is blank";
        EXPECT_EQ(lines[0].size(), 129);
    }
}

TEST_F(Bank15, TheLargestAmountsThatFitAreWrittenAndLargerOnesRefused)
{
    const QList<QByteArray> lines = exportRows({{"1", "甲", 9999999}}).split('\n');
    EXPECT_EQ(lines[1].mid(12, 8), "99999990");
    EXPECT_EQ(refusals([this] { exportRows({{"1", "甲", 10000000}, {"2", "乙", -1000000}}); }),
              (QStringList{"甲: 金額 = 10000000", "乙: 金額 = -1000000（不可為負數）"}))
        << "named in whole units, never written with more digits";

    EXPECT_EQ(renderedRecord<TWagbk15bForm>(&MediaLayout::header, ExportValues{QDate(2002, 3, 5), 99999999999.0, 999999999})
                  .mid(15, 21),
              "999999999" "999999999990");
    FillTransferRows(table, Layout, {{"1", "甲", 1}});
    dialog.reset(Create<TWagbk15bForm>(nullptr));
    EXPECT_EQ(refusals([this] { exportTable(ExportValues{QDate(2002, 3, 5), 100000000000.0, 1}); }),
              QStringList{"表頭: 總金額 = 100000000000"});
}

TEST_F(Bank15, ANewRowProposesWageWithoutExtensionAndKeepsTheBanksOwnName)
{
    dialog.reset(Create<TWagbk15bForm>(nullptr));
    dialog->ShowModal();
    EXPECT_EQ(dialog->component<QLineEdit>("PathFile")->text(), company.mediaFolder() + "/Wage");
    EXPECT_EQ(saveParameters<TWagbk15aForm>("15"), std::pair(std::vector<int>{7}, QString("臺灣中小企業銀行(臺灣區)|Wage")))
        << "the bank's own name, not another bank's";
}

} // namespace
