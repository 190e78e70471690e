// E.SUN Bank: the 80-byte records byte for byte, the file named after the main branch, what the
// export refuses, and the window's table and list.
#include "banks/wagbk7/wagbk7.h"
#include "runtime/language.h"
#include "runtime/ui/function_buttons.h"
#include "support/bank_export.h"
#include "transfer/media_file_writer.h"

#include <QFile>
#include <QLineEdit>

namespace {

const TransferTableLayout Layout = TransferTableLayout::EmployeeNumbered().withLabelIn("BACC_NO");

class Bank7 : public BankExportTest {
protected:
    Bank7() : BankExportTest(QDate(2002, 3, 1)) {}
    QByteArray exportRows(std::initializer_list<TransferRow> rows, const QDate& date = QDate(2002, 3, 5))
    {
        return BankExportTest::exportRows<TWagbk7bForm>(Layout, rows, date);
    }
};

TEST_F(Bank7, RecordsByteForByteAsTheDescriptionShowsThem)
{
    company.setBankRow("7", "0015", "", "ESB0015.IN");
    const QByteArray file = exportRows({{"1234567890123", "王小明", 35000, "E001", "A123456789"},
                                        {"0021234567", "李大華", 8361, "E002", "B2234567890"},
                                        {"小計(A01)", "", 43361},
                                        {"0031234567", "陳一", 32000, "E003", "C123456789"}});
    const QByteArray example = DescriptionExample(":/banks/wagbk7/description.txt", "910305");
    ASSERT_EQ(example.count('\n'), 2);
    EXPECT_EQ(file, example + "910305" "0015" "12345678  " "0031234567   " "C123456789" "101" "0000003200000" + QByteArray(21, ' ') + "\r\n")
        << "the account is cut to 13 and the identity number to 10";
    EXPECT_TRUE(messages.last().startsWith(LoadFormResourceStr("WAGBK", 10082))) << messages.last().toStdString();
    EXPECT_EQ(company.scalar("SELECT FILENAME FROM BANK1 WHERE BNK_NO='7'").toString(), "MEDIA.DAT");
}

TEST_F(Bank7, CentsBeyondThirtyTwoBitsAndNamelessEmployeesAreRefusedFromYear100Records81Bytes)
{
    const QStringList refused = refusals([this] {
        exportRows({{"1", "甲", 21474836, "E1"}, {"2", "乙", 21474837, "E2"}, {"3", "", 5, "E3"}});
    });
    EXPECT_EQ(refused, (QStringList{"E2 乙: 金額 = 21474837（超過欄位可容納的金額）", "E3: " + LoadFormResourceStr("WAGBK", 15900) + " = " +
                                                                        LoadFormResourceStr("WAGBK", 15901)}));
    EXPECT_FALSE(QFile::exists(path));

    const QByteArray file = exportRows({{"1", "甲", 21474836, "E1"}}, QDate(2026, 3, 5));
    EXPECT_EQ(file.size(), 81 + 2);
    EXPECT_EQ(file.mid(47, 13), "0002147483600");
}

TEST_F(Bank7, EverySaveNamesTheFileAfterTheBranchAndTheExportProposesIt)
{
    for (const QString branch : {"0015", "0020"}) {
        ReleasedForm<TWagbk7aForm> parameters(Create<TWagbk7aForm>(nullptr));
        parameters->ShowModal();
        parameters->component<QLineEdit>("ID1_7")->setText(branch);
        parameters->Btn_F8Click();
        EXPECT_EQ(company.scalar("SELECT FILENAME FROM BANK1 WHERE BNK_NO='7'").toString(), "ESB" + branch + ".IN");
    }
    EXPECT_EQ(company.scalar("SELECT NAME FROM BANK1 WHERE BNK_NO='7'").toString(), LoadFormResourceStr("WAGBK", 11006));
    EXPECT_EQ(proposedPath<TWagbk7bForm>(), company.mediaFolder() + "/ESB0020.IN");
}

TEST_F(Bank7, TheWindowLabelsTotalsInTheAccountColumnAndTheListShowsNumberAndIdentity)
{
    company.addPayRun("R1", QDate(2002, 3, 5));
    company.addEmployee({"E001", "王小明", "1234567890123", "", "", "", "2", "A123456789"});
    company.addPayLine("R1", "E001", 35000);
    const ReleasedForm<TWagbk7Form> window = openWindow<TWagbk7Form>();
    window->component<TFunctionButtons>("FunctionButtons1")->RunCommand(cmdBuildTable);
    db::LocalTable& rows = window->transferTable();
    rows.last();
    EXPECT_EQ(rows.fieldText("BACC_NO"), LoadFormResourceStr("WAGBK", 10101));
    EXPECT_EQ(rows.fieldText("YG_NO"), "");

    ReleasedForm<TWagbk7cForm> list(Create<TWagbk7cForm>(nullptr));
    EXPECT_EQ(PrintedLines(*list, rows, QDate(2002, 3, 5), company.path("list.pdf")),
              (std::vector<QStringList>{{"E001", "王小明", "1234567890123", "A123456789", "35,000.00"}}));
}

} // namespace
