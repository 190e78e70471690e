// Pan Asia Bank: the first and employee records byte for byte, the header's count and total from the
// employee records, the codes, the file named after the customer code, the identity check list, and
// the window's department names.
#include "banks/wagbk23/wagbk23.h"
#include "runtime/language.h"
#include "support/bank_export.h"
#include "transfer/media_file_writer.h"

#include <QComboBox>
#include <QFile>
#include <QToolButton>

namespace {

class Bank23 : public BankExportTest {
protected:
    Bank23() : BankExportTest(QDate(2001, 10, 1)) {}
    QByteArray exportRows(std::initializer_list<TransferRow> rows, const QDate& date = QDate(2001, 10, 5))
    {
        return BankExportTest::exportRows<TWagbk23bForm>(DepartmentTableLayout(), rows, date);
    }
    void setCodes(const QString& id1, const QString& id2, const QString& id3, const QString& id4)
    {
        company.setBankRow("23", id1, id2);
        company.exec(QStringLiteral("UPDATE BANK1 SET ID3='%1', ID4='%2' WHERE BNK_NO='23'").arg(id3, id4));
    }
};

TEST_F(Bank23, RecordsByteForByteAsTheDescriptionShowsThem)
{
    setCodes("12", "601", "1234567890", "2");
    const QByteArray file = exportRows({{"123456789", "王小明", 35000, "E001", "A123456789", "A010"},
                                        {"987654321", "李大華", 8361, "E002", "B223456789", "B0101"},
                                        {"合計", "", 43361}});
    const QByteArray example = DescriptionExample(":/banks/wagbk23/description.txt", "901001")
                               + DescriptionExample(":/banks/wagbk23/description.txt", "   000");
    ASSERT_EQ(example.count('\n'), 3);
    EXPECT_EQ(file, example) << "the count is that of the employee records, not of the table's rows";
    EXPECT_TRUE(messages.last().startsWith(LoadFormResourceStr("WAGBK", 10082))) << messages.last().toStdString();
    EXPECT_EQ(company.scalar("SELECT FILENAME FROM BANK1 WHERE BNK_NO='23'").toString(), "") << "the name is not remembered";
}

// The header counts and sums the employee records whatever other rows the table holds: subtotal
// rows in department order, and no total row when the total is not above zero.
TEST_F(Bank23, TheHeaderCountsAndSumsTheEmployeeRecordsOnly)
{
    setCodes("12", "601", "1234567890", "0");
    QList<QByteArray> lines = exportRows({{"1", "甲", 45000, "E1", "A1", "A010"},
                                          {"小計(A010)", "", 45000},
                                          {"2", "乙", 100, "E2", "A2", "B010"},
                                          {"小計(B010)", "", 100},
                                          {"合計", "", 45100}})
                                  .split('\n');
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0].mid(40, 16), "000000045100" "0002");
    EXPECT_EQ(lines[1], "   " "00000000000001" "000000045000" "A010" "0" "A1        " "                \r");

    lines = exportRows({{"1", "甲", 100, "E1"}, {"2", "乙", 300, "E2"}}).split('\n');
    EXPECT_EQ(lines[0].mid(40, 16), "000000000400" "0002") << "no total row: the sum of the employees";
}

// A code longer than its field would lengthen the first record: it is refused, never written whole.
TEST_F(Bank23, CodesAreZeroFilledAndLongerOnesRefused)
{
    setCodes("1", "60", "1234567890123", "2");
    EXPECT_EQ(exportRows({{"1", "甲", 1, "E1"}}).split('\n')[0].left(40), "901001" "901005" "001" "12345678" "060" "01234567890123");
    setCodes("1", "6012", "123456789012345", "2");
    const QString every = LoadFormResourceStr("WAGBK", 15919), tooLong = values::FaultText(values::Fault::TooLong);
    EXPECT_EQ(refusals([this] { exportRows({{"1", "甲", 1, "E1"}}); }),
              (QStringList{RefusalLine(every, "客戶代號", "6012", tooLong), RefusalLine(every, "客戶帳號", "123456789012345", tooLong)}));
}

TEST_F(Bank23, AMissingRowGivesZeroCodesAndNoCheckFlag)
{
    const QList<QByteArray> lines = exportRows({{"1", "甲", 1, "E1", "A123456789", "A010"}}).split('\n');
    EXPECT_EQ(lines[0].mid(12, 3), "000");
    EXPECT_EQ(lines[0].mid(23, 17), "000" "00000000000000");
    EXPECT_EQ(lines[1], "   " "00000000000001" "000000000001" "A010" "A123456789" "                \r")
        << "the employee record is one byte shorter";
}

TEST_F(Bank23, FromRocYear100ADateTakesSevenAndTheFirstRecordGrows)
{
    setCodes("12", "601", "1", "2");
    const QList<QByteArray> lines = exportRows({{"1", "甲", 1, "E1"}}, QDate(2026, 3, 5)).split('\n');
    EXPECT_EQ(lines[0].left(16), "901001" "1150305" "012");
    EXPECT_EQ(lines[0].size(), 62) << "61 bytes and the CR";
}

TEST_F(Bank23, AnAmountBeyondThirtyTwoBitsIsRefusedAndNothingWritten)
{
    const QStringList refused = refusals([this] { exportRows({{"1", "甲", 2147483648.0, "E1"}}); });
    EXPECT_EQ(refused, QStringList{"E1 甲: 金額 = 2147483648（超過欄位可容納的金額）"});
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(Bank23, TheFileIsNamedAfterTheCustomerCode)
{
    EXPECT_EQ(proposedPath<TWagbk23bForm>(), company.mediaFolder() + "/.TXT");
    setCodes("12", "601", "1", "2");
    EXPECT_EQ(proposedPath<TWagbk23bForm>(), company.mediaFolder() + "/601.TXT");
    EXPECT_EQ(browseTo("/tmp/PAY.DAT", "*.TXT"), "/tmp/PAY.DAT") << "a browsed name keeps its extension";
}

TEST_F(Bank23, TheCheckListShowsAndStoresTwoOrZero)
{
    ReleasedForm<TWagbk23aForm> parameters(Create<TWagbk23aForm>(nullptr));
    parameters->ShowModal();
    auto* list = parameters->component<QComboBox>("Com4_23");
    EXPECT_EQ(list->currentIndex(), 1) << "without a row the second item";
    list->setCurrentIndex(0);
    EXPECT_TRUE(parameters->modified());
    parameters->Btn_F8Click();
    EXPECT_EQ(company.scalar("SELECT NAME || ',' || ID4 || ',' || IFNULL(FILENAME, 'none') FROM BANK1 WHERE BNK_NO='23'").toString(),
              LoadFormResourceStr("WAGBK", 11000) + ",2,none");

    parameters->ShowModal();
    EXPECT_EQ(list->currentIndex(), 0);
    EXPECT_FALSE(parameters->modified());
    list->setCurrentIndex(1);
    parameters->Btn_F8Click();
    EXPECT_EQ(company.scalar("SELECT ID4 FROM BANK1 WHERE BNK_NO='23'").toString(), "0");
    company.exec("UPDATE BANK1 SET ID4='X' WHERE BNK_NO='23'");
    parameters->ShowModal();
    EXPECT_EQ(list->currentIndex(), 1);
}

TEST_F(Bank23, TheWindowNamesTheDepartmentsAndHandsOverTheDateOnly)
{
    company.addDepartment("A01", "業務部");
    company.addPayRun("R1", QDate(2001, 10, 5));
    company.addEmployee({"E001", "王小明", "123456789012345678", "", "", "", "2", "A123456789", "A01"});
    company.addEmployee({"E002", "李大華", "0509876543", "", "", "", "2", "B223456789", "B01"});
    company.addPayLine("R1", "E001", 35000, "A01");
    company.addPayLine("R1", "E002", 8361, "B01");
    const ReleasedForm<TWagbk23Form> window = openWindow<TWagbk23Form>();
    EXPECT_EQ(window->windowTitle(), LoadFormResourceStr("WAGBK", 11020));
    EXPECT_EQ(window->component<QToolButton>("Rem")->toolTip(), LoadFormResourceStr("WAGBK", 11020));
    const ExportValues handed = handedOver(*window);
    EXPECT_EQ(handed.transferTotal, 0);
    EXPECT_EQ(handed.transferCount, 0);

    db::LocalTable& table = window->transferTable();
    EXPECT_EQ(ColumnTexts(table, {"BACC_NO", "YG_NO", "DEP_NO", "DEP_NM"}),
              (std::vector<QStringList>{{"123456789012345678", "E001", "A01", "業務部"},
                                        {"0509876543", "E002", "B01", ""},
                                        {LoadFormResourceStr("WAGBK", 10101), "", "", ""}}));

    ReleasedForm<TWagbk23cForm> list(Create<TWagbk23cForm>(nullptr));
    EXPECT_EQ(PrintedLines(*list, table, QDate(2001, 10, 5), company.path("list.pdf")),
              (std::vector<QStringList>{{"E001", "王小明", "A123456789", "123456789012345678", "35,000.00"},
                                        {"E002", "李大華", "B223456789", "0509876543", "8,361.00"}}));
}

} // namespace
