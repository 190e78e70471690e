// Taishin Bank: header and detail records byte for byte, the header's count and total from the
// detail records, the fixed proposed name, and the one-field parameter dialog.
#include "banks/wagbk27/wagbk27.h"
#include "runtime/language.h"
#include "support/bank_export.h"
#include "transfer/department_window.h"
#include "transfer/media_file_writer.h"

#include <QFile>
#include <QLineEdit>
#include <QToolButton>

namespace {

class Bank27 : public BankExportTest {
protected:
    Bank27() : BankExportTest(QDate(2006, 3, 1)) {}
    QByteArray exportRows(std::initializer_list<TransferRow> rows, const QDate& date = QDate(2006, 3, 5))
    {
        return BankExportTest::exportRows<TWagbk27bForm>(DepartmentTableLayout(), rows, date);
    }
};

// Three employees and the total row: four lines, and the header counts the three detail records.
TEST_F(Bank27, RecordsByteForByteAsTheDescriptionShowsThem)
{
    company.setBankRow("27", "", "");
    company.exec("UPDATE BANK1 SET ID3='1234567890' WHERE BNK_NO='27'");
    const QByteArray file = exportRows({{"123456789", "王小明", 35000, "E001", "A123456789"},
                                        {"987654321", "李大華", 8361, "E002", "B223456789"},
                                        {"小計(A01)", "", 43361},
                                        {"55", "陳一", 45001, "E003", "C12345678901"},
                                        {"合計", "", 88362}});
    const QByteArray example = DescriptionExample(":/banks/wagbk27/description.txt", "0525");
    ASSERT_EQ(example.count('\n'), 3);
    const QList<QByteArray> lines = file.split('\n');
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[0], "0525" "00001234567890" "20060305" "900" "00000088362" "00000000003" + QByteArray(20, ' ') + "0\r");
    EXPECT_EQ(file.mid(74, 148), example.mid(74)) << "the detail records as the description shows them";
    EXPECT_EQ(lines[3], "0525" "00000000000055" "C123456789" "0000000045001" "900" + QByteArray(27, ' ') + "0\r")
        << "the identity number is cut to 10";
    EXPECT_EQ(company.scalar("SELECT IFNULL(FILENAME, 'none') FROM BANK1 WHERE BNK_NO='27'").toString(), "none")
        << "the name is not remembered";
}

TEST_F(Bank27, AMissingRowGivesAZeroAccountAndNoTotalRowLeavesTheSumOfTheEmployees)
{
    const QList<QByteArray> lines = exportRows({{"1", "甲", 100, "E1", "A1"}, {"2", "乙", 300, "E2", "A2"}}).split('\n');
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0].left(51), "0525" "00000000000000" "20060305" "900" "00000000400" "00000000002");
    EXPECT_EQ(lines[2].mid(28, 13), "0000000000300");
}

TEST_F(Bank27, AmountsBeyondThirtyTwoBitsAreRefused)
{
    const QStringList refused = refusals([this] { exportRows({{"1", "甲", 2147483648.0, "E1"}}); });
    EXPECT_EQ(refused, QStringList{"E1 甲: 金額 = 2147483648（超過欄位可容納的金額）"});
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(Bank27, TheNameIsAlwaysTsbcustAndTheDialogKeepsTheAccountOnly)
{
    company.setBankRow("27", "", "", "OTHER.TXT");
    EXPECT_EQ(proposedPath<TWagbk27bForm>(), company.mediaFolder() + "/TSBCUST.TXT");
    EXPECT_EQ(browseTo("/tmp/PAY.DAT", "*.txt"), "/tmp/PAY.DAT") << "a browsed name keeps its extension";
    company.exec("DELETE FROM BANK1");

    ReleasedForm<TWagbk27aForm> parameters(Create<TWagbk27aForm>(nullptr));
    parameters->ShowModal();
    EXPECT_EQ(parameters->windowTitle(), "台新銀行");
    parameters->component<QLineEdit>("ID3_27")->setText("1234567890123456");
    parameters->Btn_F8Click();
    EXPECT_EQ(company.scalar("SELECT NAME || ',' || ID3 || ',' || IFNULL(ID1, 'none') || ',' || IFNULL(FILENAME, 'none')"
                             " FROM BANK1 WHERE BNK_NO='27'")
                  .toString(),
              LoadFormResourceStr("WAGBK", 11000) + ",12345678901234,none,none");
}

TEST_F(Bank27, TheWindowCarriesTheBanksNameAndHandsOverTheDateOnly)
{
    company.addPayRun("R1", QDate(2006, 3, 5));
    company.addEmployee({"E001", "王小明", "0123456789", "", "", "", "2", "A123456789"});
    company.addPayLine("R1", "E001", 45000.6);
    const ReleasedForm<TWagbk27Form> window = openWindow<TWagbk27Form>();
    EXPECT_EQ(window->windowTitle(), "台新銀行");
    EXPECT_EQ(window->component<QToolButton>("Rem")->toolTip(), LoadFormResourceStr("WAGBK", 11020));
    const ExportValues handed = handedOver(*window);
    EXPECT_EQ(handed.transferTotal, 0);
    EXPECT_EQ(handed.transferCount, 0);
    EXPECT_EQ(ColumnTexts(window->transferTable(), {"BACC_NO", "A_MTN"}),
              (std::vector<QStringList>{{"0123456789", "45001"}, {LoadFormResourceStr("WAGBK", 10101), "45001"}}));
}

} // namespace
