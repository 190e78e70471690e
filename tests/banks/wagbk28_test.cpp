// China Commercial Bank: first, detail and last records byte for byte, their 32-bit limits, the
// department names in the table, the parameter dialog and the list.
#include "banks/wagbk28/wagbk28.h"
#include "runtime/language.h"
#include "runtime/ui/function_buttons.h"
#include "support/bank_export.h"
#include "transfer/media_file_writer.h"

#include <QFile>
#include <QLineEdit>
#include <QToolButton>

namespace {

const TransferTableLayout Layout = TransferTableLayout::AccountAndDepartment();

class Bank28 : public BankExportTest {
protected:
    Bank28() : BankExportTest(QDate(2002, 3, 1)) {}
    QByteArray exportRows(std::initializer_list<TransferRow> rows, const QDate& date = QDate(2002, 3, 5))
    {
        return BankExportTest::exportRows<TWagbk28bForm>(Layout, rows, date);
    }
};

TEST_F(Bank28, FirstDetailAndLastRecordsByteForByteAsTheDescriptionShowsThem)
{
    company.setBankRow("28", "1234");
    const QByteArray file = exportRows({{"12345678901", "王小明", 35000, "E001", "A123456789"},
                                        {"小計(A01)", "", 35000},
                                        {"21234567", "李大華", 8361, "E002", "B223456789"},
                                        {"合計", "", 43361}});
    const QString description = ":/banks/wagbk28/description.txt";
    EXPECT_EQ(file, DescriptionExample(description, "1123") + DescriptionExample(description, "2123")
                        + "3" "123     " "017     " "201" "910305" "0000000004336100" "0000000002" + QByteArray(32, '0')
                        + QByteArray(42, ' ') + "\r\n")
        << "the account is cut to 11 digits; subtotal and total rows are neither written nor counted";
    EXPECT_EQ(company.scalar("SELECT FILENAME FROM BANK1 WHERE BNK_NO='28'").toString(), "MEDIA.DAT");
}

TEST_F(Bank28, WithoutTheBanksRowTheAgentCodeIsBlankAndFromYear100EveryRecordGrowsByOne)
{
    const QList<QByteArray> lines = exportRows({{"1", "甲", 1, "E1"}}, QDate(2026, 3, 5)).split('\n');
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0].left(27), "1" "        " "017     " "201" "1150305");
    EXPECT_EQ((QList<qsizetype>{lines[0].size(), lines[1].size(), lines[2].size()}), (QList<qsizetype>{122, 122, 128}))
        << "121, 121 and 127 bytes and the CR";
}

TEST_F(Bank28, CentsBeyondThirtyTwoBitsAreRefusedForAnEmployeeAndForTheirSum)
{
    QStringList refused = refusals([this] { exportRows({{"1", "甲", 21474837, "E1"}}); });
    EXPECT_EQ(refused.first(), "E1 甲: 金額 = 21474837（超過欄位可容納的金額）");
    refused = refusals([this] { exportRows({{"1", "甲", 21474836, "E1"}, {"2", "乙", 1, "E2"}}); });
    EXPECT_EQ(refused, QStringList{"表尾: 成交總金額 = 21474837（超過欄位可容納的金額）"});
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(Bank28, TheWindowNamesEachDepartmentAndTheListShowsTheTransferDate)
{
    company.addDepartment("A01", "業務部");
    company.addPayRun("R1", QDate(2002, 3, 5));
    company.addEmployee({"E001", "王小明", "123456789012345", "", "", "", "2", "A123456789", "A01"});
    company.addEmployee({"E002", "李大華", "0021234567", "", "", "", "2", "B223456789", "Z99"});
    company.addPayLine("R1", "E001", 35000, "A01");
    company.addPayLine("R1", "E002", 8361, "Z99");
    const ReleasedForm<TWagbk28Form> window = openWindow<TWagbk28Form>();
    EXPECT_EQ(window->windowTitle(), "中國商業銀行");
    EXPECT_EQ(window->component<QToolButton>("Rem")->toolTip(), LoadFormResourceStr("WAGBK", 11020));
    window->component<TFunctionButtons>("FunctionButtons1")->RunCommand(cmdBuildTable);
    std::vector<QStringList> rows;
    db::LocalTable& table = window->transferTable();
    for (table.first(); !table.eof(); table.next())
        rows.push_back({table.fieldText("BACC_NO"), table.fieldText("DEP_NO"), table.fieldText("DEP_NM")});
    EXPECT_EQ(rows, (std::vector<QStringList>{{"123456789012345", "A01", "業務部"}, {"0021234567", "Z99", ""},
                                              {LoadFormResourceStr("WAGBK", 10101), "", ""}}));

    ReleasedForm<TWagbk28cForm> list(Create<TWagbk28cForm>(nullptr));
    EXPECT_EQ(PrintedLines(*list, table, QDate(2002, 3, 5), company.path("list.pdf")).front(),
              (QStringList{"E001", "王小明", "A123456789", "123456789012345", "35,000.00", "91/03/05"}));
}

TEST_F(Bank28, TheFileIsTransTxtAndABrowsedNameTakesTxt)
{
    EXPECT_EQ(proposedPath<TWagbk28bForm>(), company.mediaFolder() + "/TRANS.TXT");
    EXPECT_EQ(browseTo("/tmp/PAY.DAT", "*.TXT"), "/tmp/PAY.TXT");
    company.setBankRow("28", "", "", "");
    EXPECT_EQ(proposedPath<TWagbk28bForm>(), company.mediaFolder() + "/") << "an empty remembered name stays empty";
}

TEST_F(Bank28, TheParameterDialogStoresTheBanksOwnName)
{
    ReleasedForm<TWagbk28aForm> parameters(Create<TWagbk28aForm>(nullptr));
    parameters->ShowModal();
    EXPECT_EQ(parameters->windowTitle(), "中國商業銀行");
    parameters->component<QLineEdit>("ID1_28")->setText("0071");
    parameters->Btn_F8Click();
    EXPECT_EQ(company.scalar("SELECT NAME || '|' || ID1 || '|' || FILENAME FROM BANK1 WHERE BNK_NO='28'").toString(),
              "中國商業銀行|007|TRANS.TXT");
}

} // namespace
