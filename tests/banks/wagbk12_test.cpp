// Taipei City Bank: the "D" header and "C" records byte for byte, the largest amounts that fit, the
// hidden identity number, what the window hands over and its list's heading.
#include "banks/wagbk12/wagbk12.h"
#include "runtime/language.h"
#include "support/bank_export.h"

namespace {

class Bank12 : public BankExportTest {
protected:
    Bank12() : BankExportTest(QDate(2002, 3, 1)) {}
    QByteArray exportRows(std::initializer_list<TransferRow> rows, const QDate& date = QDate(2002, 3, 5))
    {
        return BankExportTest::exportRows<TWagbk12bForm>(layout, rows, HandedOverFor(rows, date));
    }
    const TransferTableLayout layout = [] {
        TransferTableLayout standard = TransferTableLayout::Standard();
        standard.columns.push_back({TextColumn("ID_NO", 20, 12043, 10, false), "ID_NO"});
        return standard;
    }();
};

TEST_F(Bank12, HeaderAndDetailsByteForByte)
{
    company.setBankRow("12", "1234567");
    const QByteArray file = exportRows({{"0123456789", "王小明", 8361, "", "A123456789"},
                                        {"小計(A01)", "", 8361},
                                        {"123456789012", "李大華", 52000, "", "B1234567890"},
                                        {"1", "陳一", 1},
                                        {"合計", "", 60362}});
    EXPECT_EQ(file, "D" "1234567" "00000" "            " "910305" "0000006036200" "          \r\n"
                    "C" "1234567" "00000" "0123456789  " "000000" "0000000836100" "A123456789\r\n"
                    "C" "1234567" "00000" "123456789012" "000000" "0000005200000" "B123456789\r\n"
                    "C" "1234567" "00000" "1           " "000000" "0000000000100" "          \r\n")
        << "no identity number: ten spaces";
    EXPECT_TRUE(messages.last().startsWith(LoadFormResourceStr("WAGBK", 10082))) << messages.last().toStdString();
    EXPECT_EQ(company.scalar("SELECT FILENAME FROM BANK1 WHERE BNK_NO='12'").toString(), "MEDIA.DAT");
}

TEST_F(Bank12, FromRocYear100TheHeaderGrowsToFiftyFive)
{
    const QList<QByteArray> lines = exportRows({{"1", "甲", 1}}, QDate(2011, 1, 1)).split('\n');
    EXPECT_EQ(lines[0].size(), 56) << "55 bytes and the CR";
    EXPECT_EQ(lines[0].left(32), "D" "       " "00000" "            " "1000101") << "no BANK1 row: a blank unit code";
    EXPECT_EQ(lines[1].size(), 55) << "details stay at 54";
}

TEST_F(Bank12, TheLargestAmountsThatFitAreWrittenAndLargerOnesRefused)
{
    EXPECT_EQ(exportRows({{"1", "甲", 21474836}}).split('\n')[1].mid(31, 13), "0002147483600");
    EXPECT_EQ(refusals([this] { exportRows({{"1", "甲", 21474837}}); }), QStringList{"甲: 金額 = 21474837（超過欄位可容納的金額）"});

    EXPECT_EQ(renderedRecord<TWagbk12bForm>(&MediaLayout::header, ExportValues{QDate(2002, 3, 5), 99999999999.0, 0}).mid(31, 13),
              "9999999999900");
    FillTransferRows(table, layout, {{"1", "甲", 1}});
    dialog.reset(Create<TWagbk12bForm>(nullptr));
    EXPECT_EQ(refusals([this] { exportTable(ExportValues{QDate(2002, 3, 5), 100000000000.0, 0}); }),
              QStringList{"表頭: 總金額 = 100000000000"});
}

TEST_F(Bank12, TheWindowKeepsTheIdentityNumberHiddenAndHandsTheTotalButNoCount)
{
    company.addPayRun("R1", QDate(2002, 3, 5));
    company.addEmployee({"E001", "王小明", "0123456789", "", "", "", "2", "A123456789"});
    company.addEmployee({"E002", "李大華", "0223456789", "", "", "", "2", "B123456789"});
    company.addPayLine("R1", "E001", 8361);
    company.addPayLine("R1", "E002", 52000);
    const ReleasedForm<TWagbk12Form> window = openWindow<TWagbk12Form>();
    const ExportValues handed = handedOver(*window);
    EXPECT_EQ(handed.transferTotal, 60361);
    EXPECT_EQ(handed.transferCount, 0);
    db::LocalTable& table = window->transferTable();
    table.first();
    EXPECT_EQ(table.fieldText("ID_NO"), "A123456789");
    EXPECT_FALSE(table.fieldDef("ID_NO").visible);

    ReleasedForm<TWagbk12cForm> list(Create<TWagbk12cForm>(nullptr));
    EXPECT_EQ(PrintedLines(*list, table, QDate(2002, 3, 5), company.path("list.pdf")),
              (std::vector<QStringList>{{"0123456789", "王小明", "8,361.00"}, {"0223456789", "李大華", "52,000.00"}}));
    EXPECT_EQ(list->label("ED_SZ_F3").caption(), "薪資") << "the categories label keeps its design text";
}

TEST_F(Bank12, TheFileIsLcTxtAndBrowsingForcesTxt)
{
    dialog.reset(Create<TWagbk12bForm>(nullptr));
    dialog->ShowModal();
    EXPECT_EQ(dialog->component<QLineEdit>("PathFile")->text(), company.mediaFolder() + "/LC.TXT");
    EXPECT_EQ(browseTo("/tmp/PAY.DAT", "*.TXT"), "/tmp/PAY.TXT");
    EXPECT_EQ(saveParameters<TWagbk12aForm>("12"), std::pair(std::vector<int>{7}, LoadFormResourceStr("WAGBK", 11011) + "|LC.TXT"));
}

TEST_F(Bank12, InSimplifiedChineseTheCategoriesLabelShowsItsDesignTextConverted)
{
    const int saved = Language::LanguageID;
    Language::LanguageID = 0;
    ReleasedForm<TWagbk12cForm> list(Create<TWagbk12cForm>(nullptr));
    Language::LanguageID = saved;
    FillTransferRows(table, layout, {{"1", "甲", 1}});
    list->Prepare(table, TransferListRun{QDate(2002, 3, 5), false, QStringLiteral("正常薪資")});
    EXPECT_EQ(list->label("ED_SZ_F3").caption(), QStringLiteral("薪资"));
}

} // namespace
