// Shanghai Commercial Bank: control, detail and end records byte for byte, the file named after the
// transfer month, the short name taken into the table, and the list.
#include "banks/wagbk4/wagbk4.h"
#include "runtime/language.h"
#include "support/bank_export.h"

#include <QFile>
#include <QLineEdit>

namespace {

const TransferTableLayout& layout()
{
    static const TransferTableLayout table = [] {
        TransferTableLayout l = TransferTableLayout::AccountAndNumber(10);
        l.columns.push_back({TextColumn("ID_NO", 20, 12105, 10), "ID_NO"});
        l.columns.push_back({TextColumn("CK_ID1", 6, 12106, 6), QString()});
        return l;
    }();
    return table;
}

class Bank4 : public BankExportTest {
protected:
    Bank4() : BankExportTest(QDate(2002, 3, 1)) {}
    QByteArray exportRows(std::initializer_list<TransferRow> rows, const QDate& date = QDate(2002, 3, 5), const QString& shortName = "SHCOMP")
    {
        FillTransferRows(table, layout(), rows);
        for (table.first(); !table.eof(); table.next()) {
            table.edit();
            table.setField("CK_ID1", IsEmployeeRow(table) ? shortName : QString());
            table.post();
        }
        dialog.reset(Create<TWagbk4bForm>(nullptr));
        return exportTable(date);
    }
};

TEST_F(Bank4, ControlDetailAndEndRecordsByteForByteAsTheDescriptionShowsThem)
{
    company.setBankRow("4", "SHCOMP", "0123456789012345");
    const QByteArray file = exportRows({{"12345678901234", "王小明", 35000, "E001", "A123456789"},
                                        {"0021234567", "李大華", 8361, "E002", "B223456789"},
                                        {"小計(A01)", "", 43361},
                                        {"0031234567", "", 1000.5, "E003", "C123456789"},
                                        {"合計", "", 44361.5}});
    const QByteArray example = DescriptionExample(":/banks/wagbk4/description.txt", "SHCOMP");
    ASSERT_EQ(example.count('\n'), 2);
    EXPECT_EQ(file, "      " "000000" "0" "0123456789012345" "0000000000000" "          " "****" "                  \r\n"
                    + example
                    + "SHCOMP" "910305" "2" "0031234567    " "000000000100050" "C123456789" "0000" "SA" "                \r\n"
                      "END$\r\n")
        << "an employee row is written by its number even without a name; subtotal and total rows are not";
    EXPECT_TRUE(messages.last().startsWith(LoadFormResourceStr("WAGBK", 10082))) << messages.last().toStdString();
    EXPECT_TRUE(company.scalar("SELECT FILENAME FROM BANK1 WHERE BNK_NO='4'").isNull()) << "no file name is remembered";
}

TEST_F(Bank4, WithoutTheBanksRowTheControlRecordHoldsSpacesAndFromYear100DetailsAre75Bytes)
{
    const QList<QByteArray> lines = exportRows({{"1", "甲", 1, "E1"}}, QDate(2026, 3, 5), QString()).split('\n');
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0].mid(13, 16), QByteArray(16, ' '));
    EXPECT_EQ(lines[0].size(), 75) << "74 bytes and the CR";
    EXPECT_EQ(lines[1].left(13), "      1150305");
    EXPECT_EQ(lines[1].size(), 76);
    EXPECT_EQ(lines[2], "END$\r");
}

TEST_F(Bank4, TheFileIsNamedAfterTheTransferMonthWhateverTheRowRemembers)
{
    company.setBankRow("4", "SHCOMP", "1", "OLD.TXT");
    const auto proposedFor = [this](const QDate& date) { return proposedPath<TWagbk4bForm>({date}); };
    EXPECT_EQ(proposedFor(QDate(2010, 11, 30)), company.mediaFolder() + "/BT991120");
    EXPECT_EQ(proposedFor(QDate(2011, 1, 2)), company.mediaFolder() + "/BT1000120");
    EXPECT_EQ(proposedFor(QDate(2026, 3, 5)), company.mediaFolder() + "/BT1150320");
}

TEST_F(Bank4, TheWindowTakesTheShortNameWhenFillingAndTheListCountsRecords)
{
    company.setBankRow("4", "SHCOMPANY", "0123456789012345");
    company.addPayRun("R1", QDate(2002, 3, 5));
    company.addEmployee({"E001", "王小明", "123456789012345678", "", "", "", "2", "A123456789"});
    company.addEmployee({"E002", "李大華", "0021234567", "", "", "", "2", "B223456789"});
    company.addPayLine("R1", "E001", 35000);
    company.addPayLine("R1", "E002", 8361);
    const ReleasedForm<TWagbk4Form> window = openWindow<TWagbk4Form>();
    const ExportValues handed = handedOver(*window);
    EXPECT_EQ(handed.transferTotal, 0);
    EXPECT_EQ(handed.transferCount, 0);
    db::LocalTable& rows = window->transferTable();
    rows.first();
    EXPECT_EQ((QStringList{rows.fieldText("BACC_NO"), rows.fieldText("YG_NO"), rows.fieldText("ID_NO"), rows.fieldText("CK_ID1")}),
              (QStringList{"123456789012345678", "E001", "A123456789", "SHCOMP"}));
    rows.last();
    EXPECT_EQ(rows.fieldText("CK_ID1"), "") << "the total row";

    ReleasedForm<TWagbk4cForm> list(Create<TWagbk4cForm>(nullptr));
    EXPECT_EQ(PrintedLines(*list, rows, QDate(2002, 3, 5), company.path("list.pdf")),
              (std::vector<QStringList>{{"123456789012345678", "王小明", "35,000.00"}, {"0021234567", "李大華", "8,361.00"}}));
    EXPECT_EQ(list->QuickRep1.findItem("ED_SZ_F3"), nullptr);
    EXPECT_EQ(list->windowTitle(), "上海商銀薪資清冊報表");
}

TEST_F(Bank4, TheParameterDialogStoresTheBanksNameTextAndNoFileName)
{
    ReleasedForm<TWagbk4aForm> parameters(Create<TWagbk4aForm>(nullptr));
    parameters->ShowModal();
    EXPECT_EQ(parameters->windowTitle(), LoadFormResourceStr("WAGBK", 11003));
    EXPECT_EQ(parameters->property("DefaultFileName").toString(), "BT9103" "20");
    parameters->component<QLineEdit>("ID1_4")->setText("SHCOMPANY");
    parameters->component<QLineEdit>("ID2_4")->setText("0123456789012345678");
    parameters->Btn_F8Click();
    EXPECT_EQ(company.scalar("SELECT NAME || '|' || ID1 || '|' || ID2 || '|' || IFNULL(FILENAME, 'none') FROM BANK1 WHERE BNK_NO='4'").toString(),
              LoadFormResourceStr("WAGBK", 11000) + "|SHCOMP|0123456789012345|none");
}

} // namespace
