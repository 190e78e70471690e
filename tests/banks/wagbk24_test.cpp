// Land Bank of Taiwan: header, detail and trailer records byte for byte, the trailer's total and
// count, what is refused, the dialogs and what the window hands over.
#include "banks/wagbk24/wagbk24.h"
#include "runtime/language.h"
#include "support/bank_export.h"
#include "transfer/media_file_writer.h"

#include <QFile>
#include <QToolButton>

namespace {

const QByteArray Reserved91(91, ' '), Reserved54(54, ' '), Reserved39(39, ' ');

class Bank24 : public BankExportTest {
protected:
    Bank24() : BankExportTest(QDate(2006, 3, 1)) {}
    QByteArray exportRows(std::initializer_list<TransferRow> rows, double total, const QDate& date = QDate(2006, 3, 5))
    {
        return BankExportTest::exportRows<TWagbk24bForm>(TransferTableLayout::EmployeeNumbered(12, 10), rows,
                                                         ExportValues{date, total, 0});
    }
};

TEST_F(Bank24, ThreeRecordKindsByteForByte)
{
    company.setBankRow("24", "1234", "5678");
    const QByteArray file = exportRows({{"0123456789", "王小明", 32500, "E1", "A123456789"},
                                        {"小計(A01)", "", 32500},
                                        {"12345678901234", "李大華", 100, "E2"},
                                        {"3", "陳一", 7, "E3"},
                                        {"小計(B01)", "", 107},
                                        {"合計", "", 32607}},
                                       32607);
    EXPECT_EQ(file, "1" "1234    " "5678    " "200" "950305" "1" + Reserved91 + "\r\n"
                    "2" "1234    " "5678    " "200" "950305" "00000123456789" "00000003250000" "00000000" "99" + Reserved54 + "\r\n"
                    "2" "1234    " "5678    " "200" "950305" "12345678901234" "00000000010000" "00000000" "99" + Reserved54 + "\r\n"
                    "2" "1234    " "5678    " "200" "950305" "00000000000003" "00000000000700" "00000000" "99" + Reserved54 + "\r\n"
                    "3" "1234    " "5678    " "200" "950305" "00000003260700" "00000000000003" "0000000000000000" "0000000000"
                    + Reserved39 + "\r\n")
        << "the account keeps its first 14 characters; subtotal and total rows are neither written nor counted";
    EXPECT_TRUE(messages.last().startsWith(LoadFormResourceStr("WAGBK", 10082))) << messages.last().toStdString();
    EXPECT_EQ(company.scalar("SELECT FILENAME FROM BANK1 WHERE BNK_NO='24'").toString(), "MEDIA.DAT");
}

TEST_F(Bank24, TheTrailerTakesTheHandedTotalAndAMissingRowBlankUnits)
{
    const QList<QByteArray> lines = exportRows({{"1", "甲", 90, "E1"}}, 90).split('\n');
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0].left(17), "1" "        " "        ");
    EXPECT_EQ(lines[2].mid(26, 28), "00000000009000" "00000000000001");
    EXPECT_EQ(renderedRecord<TWagbk24bForm>(&MediaLayout::trailer, ExportValues{QDate(2006, 3, 5), 100, 0}, 1).mid(26, 28),
              "00000000010000" "00000000000001")
        << "the total the window hands over, not one the trailer adds up itself";
}

TEST_F(Bank24, FromRocYear100EveryRecordGrowsByOne)
{
    const QList<QByteArray> lines = exportRows({{"1", "甲", 1, "E1"}}, 1, QDate(2011, 3, 5)).split('\n');
    EXPECT_EQ(lines[0].size(), 120) << "119 bytes and the CR";
    EXPECT_EQ(lines[1].mid(20, 7), "1000305");
    EXPECT_EQ(lines[2].size(), 121);
}

TEST_F(Bank24, CentsBeyondThirtyTwoBitsAreRefusedInDetailAndTrailer)
{
    const QStringList refused = refusals([this] { exportRows({{"1", "甲", 21474837, "E1"}}, 21474837); });
    EXPECT_EQ(refused, (QStringList{"E1 甲: 金額 = 21474837（超過欄位可容納的金額）", "表尾: 總金額 = 21474837（超過欄位可容納的金額）"}));
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(Bank24, TheDialogsProposeWageAndTheWindowHandsOverDateAndTotal)
{
    EXPECT_EQ(proposedPath<TWagbk24bForm>(), company.mediaFolder() + "/WAGE");
    ReleasedForm<TWagbk24aForm> parameters(Create<TWagbk24aForm>(nullptr));
    parameters->ShowModal();
    EXPECT_EQ(parameters->windowTitle(), LoadFormResourceStr("WAGBK", 11023));
    parameters->Btn_F8Click();
    EXPECT_EQ(proposedPath<TWagbk24bForm>(), company.mediaFolder() + "/Wage");
    EXPECT_EQ(browseTo("/tmp/PAY.DAT", "*.TXT"), "/tmp/PAY.DAT") << "a browsed name keeps its extension";

    company.addPayRun("R1", QDate(2006, 3, 5));
    company.addEmployee({"E001", "王小明", "0123456789", "", "", "", "2", "A123456789"});
    company.addPayLine("R1", "E001", 32500);
    const ReleasedForm<TWagbk24Form> window = openWindow<TWagbk24Form>();
    EXPECT_EQ(window->windowTitle(), LoadFormResourceStr("WAGBK", 11023));
    EXPECT_EQ(window->component<QToolButton>("Rem")->toolTip(), LoadFormResourceStr("WAGBK", 11008));
    const ExportValues handed = handedOver(*window);
    EXPECT_EQ(handed.transferTotal, 32500);
    EXPECT_EQ(handed.transferCount, 0);

    ReleasedForm<TWagbk24cForm> list(Create<TWagbk24cForm>(nullptr));
    EXPECT_EQ(PrintedLines(*list, window->transferTable(), QDate(2006, 3, 5), company.path("list.pdf")),
              (std::vector<QStringList>{{"E001", "王小明", "A123456789", "0123456789", "32,500.00"}}));
}

} // namespace
