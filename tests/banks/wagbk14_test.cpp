// Chung Shing Bank: the 83-byte records byte for byte, the largest amount that fits, the window's
// hand-over and the list that shows the records' columns.
#include "banks/wagbk14/wagbk14.h"
#include "runtime/language.h"
#include "support/bank_export.h"

namespace {

const TransferTableLayout Layout = TransferTableLayout::EmployeeNumbered(0, 10);

class Bank14 : public BankExportTest {
protected:
    Bank14() : BankExportTest(QDate(2001, 10, 1)) {}
    QByteArray exportRows(std::initializer_list<TransferRow> rows, const QDate& date = QDate(2001, 10, 5))
    {
        return BankExportTest::exportRows<TWagbk14bForm>(Layout, rows, HandedOverFor(rows, date));
    }
};

TEST_F(Bank14, OneRecordPerEmployeeByteForByte)
{
    company.setBankRow("14", "012");
    const QByteArray file = exportRows({{"123456789012", "王小明", 35000, "E001", "A123456789"},
                                        {"小計(A01)", "", 35000},
                                        {"0021234567", "李大華", 8361, "E002", ""},
                                        {"合計", "", 43361}});
    EXPECT_EQ(file, "901005" "012" "12345678  " "123456789012" "A123456789" "201" "0000003500000" + QByteArray(26, ' ') + "\r\n"
                    "901005" "012" "12345678  " "0021234567  " "          " "201" "0000000836100" + QByteArray(26, ' ') + "\r\n");
    EXPECT_TRUE(messages.last().startsWith(LoadFormResourceStr("WAGBK", 10082))) << messages.last().toStdString();
}

TEST_F(Bank14, AMissingRowGivesABlankBankCodeAndFromRocYear100EveryRecordIs84)
{
    const QList<QByteArray> lines = exportRows({{"1", "甲", 1, "E1"}}, QDate(2011, 1, 1)).split('\n');
    EXPECT_EQ(lines[0].size(), 85) << "84 bytes and the CR";
    EXPECT_EQ(lines[0].left(20), "1000101" "   " "12345678  ");
}

TEST_F(Bank14, TheLargestAmountThatFitsIsWrittenAndALargerOneRefused)
{
    EXPECT_EQ(exportRows({{"1", "甲", 21474836, "E1"}}).mid(44, 13), "0002147483600");
    EXPECT_EQ(refusals([this] { exportRows({{"1", "甲", 21474837, "E1"}, {"2", "", 1, "E2"}}); }),
              (QStringList{"E1 甲: 金額 = 21474837（超過欄位可容納的金額）", "E2: " + LoadFormResourceStr("WAGBK", 15900) + " = " +
                                                         LoadFormResourceStr("WAGBK", 15901)}))
        << "an employee without a name is not passed over";
}

TEST_F(Bank14, TheFileIsCsbcrDatAndBrowsingForcesDat)
{
    dialog.reset(Create<TWagbk14bForm>(nullptr));
    dialog->ShowModal();
    EXPECT_EQ(dialog->component<QLineEdit>("PathFile")->text(), company.mediaFolder() + "/CSBCR.DAT");
    EXPECT_EQ(browseTo("/tmp/PAY.TXT", "*.DAT"), "/tmp/PAY.DAT");
    EXPECT_EQ(saveParameters<TWagbk14aForm>("14"), std::pair(std::vector<int>{3}, LoadFormResourceStr("WAGBK", 11013) + "|CSBCR.DAT"));
}

TEST_F(Bank14, TheWindowHandsTheDateOnlyAndTheListShowsTheRecordsColumns)
{
    company.addPayRun("R1", QDate(2001, 10, 5));
    company.addEmployee({"E001", "王小明", "0021234567", "", "", "", "2", "A123456789"});
    company.addPayLine("R1", "E001", 35000);
    const ReleasedForm<TWagbk14Form> window = openWindow<TWagbk14Form>();
    const ExportValues handed = handedOver(*window);
    EXPECT_EQ(handed.transferTotal, 0);
    EXPECT_EQ(handed.transferCount, 0);

    ReleasedForm<TWagbk14cForm> list(Create<TWagbk14cForm>(nullptr));
    EXPECT_EQ(PrintedLines(*list, window->transferTable(), QDate(2001, 10, 5), company.path("list.pdf")),
              (std::vector<QStringList>{{"E001", "王小明", "A123456789", "0021234567", "35,000.00", "90/10/05", ""}}));
    EXPECT_EQ(list->QuickRep1.findItem("ED_SZ_F3"), nullptr) << "no salary categories on this list";
}

} // namespace
