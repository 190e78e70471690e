// Chinatrust Commercial Bank: the 23-byte header and 44-byte details byte for byte, accounts
// zero-filled on the right, the entry date around the year 100, the largest amount that fits, and the
// window's list.
#include "banks/wagbk19/wagbk19.h"
#include "runtime/language.h"
#include "support/bank_export.h"

namespace {

const TransferTableLayout Layout = TransferTableLayout::EmployeeNumbered(0, 10);
const QString Description = QStringLiteral(":/banks/wagbk19/description.txt");

class Bank19 : public BankExportTest {
protected:
    Bank19() : BankExportTest(QDate(2002, 3, 1)) {}
    QByteArray exportRows(std::initializer_list<TransferRow> rows, const QDate& date = QDate(2002, 3, 5))
    {
        return BankExportTest::exportRows<TWagbk19bForm>(Layout, rows, HandedOverFor(rows, date));
    }
};

TEST_F(Bank19, HeaderAndDetailsByteForByteAsTheDescriptionShowsThem)
{
    company.setBankRow("19", "123456789012");
    const QByteArray file = exportRows({{"0123456789", "王小明", 8361, "E001", "A123456789"},
                                        {"小計(A01)", "", 8361},
                                        {"123456789012", "李大華", 52000, "E002", "B12345678"},
                                        {"合計", "", 60361}});
    EXPECT_EQ(file, "123456789012" "0000910305" "A\r\n"
                    "012345678900" "0000008361" "          " "A123456789" "  \r\n"
                    "123456789012" "0000052000" "          " "B12345678 " "  \r\n")
        << "a short account is filled with zeros, a long one cut to 12";
    EXPECT_EQ(file, DescriptionExample(Description, "1234567890120000910305") + DescriptionExample(Description, "012345678900")
                        + DescriptionExample(Description, "1234567890120000052000"));
    EXPECT_TRUE(messages.last().startsWith(LoadFormResourceStr("WAGBK", 10082))) << messages.last().toStdString();
}

TEST_F(Bank19, TheEntryDateKeepsItsLengthAroundTheYear100AndAMissingRowGivesABlankAccount)
{
    EXPECT_EQ(exportRows({{"1", "甲", 1, "E1"}}, QDate(2010, 12, 31)).left(25), "            0000991231A\r\n");
    EXPECT_EQ(exportRows({{"1", "甲", 1, "E1"}}, QDate(2011, 1, 1)).left(25), "            0001000101A\r\n");
    EXPECT_EQ(exportRows({{"", "甲", 1, "E1"}}).split('\n')[1].left(12), "000000000000") << "an empty account";
}

TEST_F(Bank19, TheLargestAmountThatFitsIsWrittenAndALargerOneRefused)
{
    EXPECT_EQ(exportRows({{"1", "甲", 2147483647.0, "E1"}}).split('\n')[1].mid(12, 10), "2147483647");
    EXPECT_EQ(refusals([this] { exportRows({{"1", "甲", -500, "E1"}}); }),
              QStringList{RefusalLine("E1 甲", "金額", "-500", values::FaultText(values::Fault::Negative))});
    EXPECT_EQ(refusals([this] { exportRows({{"1", "甲", 2147483648.0, "E1"}}); }),
              QStringList{RefusalLine("E1 甲", "金額", "2147483648", values::FaultText(values::Fault::TooLarge))});
}

TEST_F(Bank19, TheWindowHandsTheDateOnlyAndItsListShowsNumberAndIdentity)
{
    company.addPayRun("R1", QDate(2002, 3, 5));
    company.addEmployee({"E001", "王小明", "0123456789", "", "", "", "2", "A123456789"});
    company.addPayLine("R1", "E001", 8361);
    const ReleasedForm<TWagbk19Form> window = openWindow<TWagbk19Form>();
    const ExportValues handed = handedOver(*window);
    EXPECT_EQ(handed.transferTotal, 0);
    EXPECT_EQ(handed.transferCount, 0);
    db::LocalTable& table = window->transferTable();
    table.last();
    EXPECT_EQ(table.fieldText("YG_NO"), LoadFormResourceStr("WAGBK", 10101)) << "the total row's label";

    ReleasedForm<TWagbk19cForm> list(Create<TWagbk19cForm>(nullptr));
    EXPECT_EQ(PrintedLines(*list, table, QDate(2002, 3, 5), company.path("list.pdf")),
              (std::vector<QStringList>{{"E001", "王小明", "A123456789", "0123456789", "8,361.00"}}));
    EXPECT_NE(list->QuickRep1.findItem("ED_SZ_F3"), nullptr) << "the salary categories line stays";
}

TEST_F(Bank19, ANewRowNamesTheFileWageWhileAMissingRowProposesWageTxt)
{
    dialog.reset(Create<TWagbk19bForm>(nullptr));
    dialog->ShowModal();
    EXPECT_EQ(dialog->component<QLineEdit>("PathFile")->text(), company.mediaFolder() + "/WAGE.TXT");
    EXPECT_EQ(saveParameters<TWagbk19aForm>("19"), std::pair(std::vector<int>{12}, LoadFormResourceStr("WAGBK", 11019) + "|Wage"));
    dialog->ShowModal();
    EXPECT_EQ(dialog->component<QLineEdit>("PathFile")->text(), company.mediaFolder() + "/Wage");
}

} // namespace
