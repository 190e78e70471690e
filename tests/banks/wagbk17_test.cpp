// Hua Nan Commercial Bank: the 80-byte records byte for byte, the dialogs, the window and its list.
#include "banks/wagbk17/wagbk17.h"
#include "runtime/clock.h"
#include "runtime/language.h"
#include "support/bank_export.h"
#include "transfer/media_file_writer.h"


namespace {

const TransferTableLayout Layout = TransferTableLayout::EmployeeNumbered();

class Bank17 : public BankExportTest {
protected:
    Bank17() : BankExportTest(QDate(2001, 10, 1)) {}
    QByteArray exportRows(std::initializer_list<TransferRow> rows, const QDate& date = QDate(2001, 10, 5))
    {
        return BankExportTest::exportRows<TWagbk17bForm>(Layout, rows, date);
    }
};

TEST_F(Bank17, RecordsByteForByteAsTheDescriptionShowsThemSkippingSubtotalRows)
{
    company.setBankRow("17", "1080");
    const QByteArray file = exportRows({{"123456789012", "王小明", 35000, "E001", "A123456789"},
                                        {"小計(A01)", "", 35000},
                                        {"0021234567", "李大華", 8361, "E002", "B223456789"},
                                        {"0031234567", "陳一", 100, "E0030000000009", "C2234567891234"},
                                        {"合計", "", 43461}});
    const QByteArray example = DescriptionExample(":/banks/wagbk17/description.txt", "901005");
    ASSERT_EQ(example.count('\n'), 2);
    EXPECT_EQ(file, example + "901005" "1080" "12345678  " "0031234567  " "C223456789" "101" "0000000010000" "          "
                              "E00300000000" "\r\n")
        << "the account is cut to 12, the identity number to 10 and the employee number to 12";
    EXPECT_TRUE(messages.last().startsWith(LoadFormResourceStr("WAGBK", 10082))) << messages.last().toStdString();
    EXPECT_EQ(company.scalar("SELECT FILENAME FROM BANK1 WHERE BNK_NO='17'").toString(), "MEDIA.DAT");
}

TEST_F(Bank17, FromRocYear100EveryRecordIs81BytesAndAMissingRowGivesABlankBranch)
{
    const QList<QByteArray> lines = exportRows({{"1", "甲", 1, "E1"}, {"2", "乙", 2, "E2"}}, QDate(2026, 3, 5)).split('\n');
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0].size(), 82) << "81 bytes and the CR";
    EXPECT_EQ(lines[1].left(11), "1150305    ");
}

TEST_F(Bank17, CentsBeyondThirtyTwoBitsAreRefusedNamingTheEmployees)
{
    const QStringList refused = refusals([this] {
        exportRows({{"1", "甲", 21474836, "E1"}, {"2", "乙", 21474837, "E2"}, {"3", "丙", 30000000, "E3"}});
    });
    EXPECT_EQ(refused, (QStringList{"E2 乙: 金額 = 21474837（超過欄位可容納的金額）", "E3 丙: 金額 = 30000000（超過欄位可容納的金額）"}));
    EXPECT_TRUE(ReadFileBytes(path).isEmpty());
}

TEST_F(Bank17, TheWindowHandsTheDateOnlyAndTheListShowsTheRecordsColumns)
{
    company.setBankRow("17", "1080");
    company.addPayRun("R1", QDate(2001, 10, 5));
    company.addEmployee({"E001", "王小明", "004123", "", "", "", "2", "A123456789"});
    company.addPayLine("R1", "E001", 35000);
    const ReleasedForm<TWagbk17Form> window = openWindow<TWagbk17Form>();
    const ExportValues handed = handedOver(*window);
    EXPECT_EQ(handed.transferDate, QDate(2001, 10, 1));
    EXPECT_EQ(handed.transferTotal, 0);
    EXPECT_EQ(handed.transferCount, 0);

    ReleasedForm<TWagbk17cForm> list(Create<TWagbk17cForm>(nullptr));
    EXPECT_EQ(PrintedLines(*list, window->transferTable(), QDate(2001, 10, 5), company.path("list.pdf")),
              (std::vector<QStringList>{{"90/10/05", "1080", "12345678", "004123", "A123456789", "101", "35,000.00", "", "E001"}}));
    EXPECT_EQ(list->QuickRep1.findItem("ED_SZ_F3"), nullptr) << "no salary categories on this list";
}

TEST_F(Bank17, WithoutTheBanksRowTheBranchLabelKeepsItsDesignCaption)
{
    FillTransferRows(table, Layout, {{"0021234567", "李大華", 8361, "E002", "B223456789"}});
    ReleasedForm<TWagbk17cForm> list(Create<TWagbk17cForm>(nullptr));
    const std::vector<QStringList> lines = PrintedLines(*list, table, QDate(2001, 10, 5), company.path("list.pdf"));
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].value(1), "AID1");
    EXPECT_EQ(lines[0].value(2), "12345678") << "the other labels are filled as ever";
}

} // namespace
