// Macoto Bank: the 65-byte records byte for byte, the largest amount that fits, the window's extra
// columns and hand-over, its list and the .DAT file.
#include "banks/wagbk13/wagbk13.h"
#include "runtime/language.h"
#include "support/bank_export.h"

namespace {

class Bank13 : public BankExportTest {
protected:
    Bank13() : BankExportTest(QDate(2002, 3, 1)) {}
    QByteArray exportRows(std::initializer_list<TransferRow> rows, const QDate& date = QDate(2002, 3, 5))
    {
        return BankExportTest::exportRows<TWagbk13bForm>(layout, rows, HandedOverFor(rows, date));
    }
    const TransferTableLayout layout = [] {
        TransferTableLayout standard = TransferTableLayout::Standard();
        standard.columns.push_back({TextColumn("ID_NO", 20, 12043, 10), "ID_NO"});
        standard.columns.push_back({TextColumn("YG_NO", 14, 12045, 10, false), "YG_NO"});
        return standard;
    }();
};

TEST_F(Bank13, OneRecordPerEmployeeByteForByte)
{
    company.setBankRow("13", "12345678901234", "012");
    const QByteArray file = exportRows({{"0123456789", "王小明", 8361, "A001", "A123456789"},
                                        {"小計(A01)", "", 8361},
                                        {"12345678901234", "李大華", 52000, "A0020000000000X"},
                                        {"合計", "", 60361}});
    EXPECT_EQ(file, " " "0123456789    " "012" "0000000836100" "A001          " "910305" "12345678901234\r\n"
                    " " "12345678901234" "012" "0000005200000" "A0020000000000" "910305" "12345678901234\r\n")
        << "the account and the employee number are cut to 14";
    EXPECT_TRUE(messages.last().startsWith(LoadFormResourceStr("WAGBK", 10082))) << messages.last().toStdString();
}

TEST_F(Bank13, AMissingRowGivesBlankCodesAndFromRocYear100EveryRecordIs66)
{
    const QList<QByteArray> lines = exportRows({{"1", "甲", 1, "E1"}}, QDate(2011, 1, 1)).split('\n');
    EXPECT_EQ(lines[0], " " "1             " "   " "0000000000100" "E1            " "1000101" "              \r");
}

TEST_F(Bank13, TheLargestAmountThatFitsIsWrittenAndALargerOneRefused)
{
    EXPECT_EQ(exportRows({{"1", "甲", 21474836, "E1"}}).mid(18, 13), "0002147483600");
    EXPECT_EQ(refusals([this] { exportRows({{"1", "甲", 21474837, "E1"}}); }), QStringList{"E1 甲: 金額 = 21474837（超過欄位可容納的金額）"});
}

TEST_F(Bank13, TheWindowShowsTheIdentityNumberHidesTheEmployeeNumberAndHandsTheDateOnly)
{
    company.addPayRun("R1", QDate(2002, 3, 5));
    company.addEmployee({"E001", "王小明", "0123456789", "", "", "", "2", "A123456789"});
    company.addPayLine("R1", "E001", 8361);
    const ReleasedForm<TWagbk13Form> window = openWindow<TWagbk13Form>();
    const ExportValues handed = handedOver(*window);
    EXPECT_EQ(handed.transferDate, QDate(2002, 3, 1));
    EXPECT_EQ(handed.transferTotal, 0);
    EXPECT_EQ(handed.transferCount, 0);
    db::LocalTable& table = window->transferTable();
    table.first();
    EXPECT_EQ(QStringList({table.fieldText("ID_NO"), table.fieldText("YG_NO")}), QStringList({"A123456789", "E001"}));
    EXPECT_TRUE(table.fieldDef("ID_NO").visible);
    EXPECT_FALSE(table.fieldDef("YG_NO").visible);

    ReleasedForm<TWagbk13cForm> list(Create<TWagbk13cForm>(nullptr));
    EXPECT_EQ(PrintedLines(*list, table, QDate(2002, 3, 5), company.path("list.pdf")),
              (std::vector<QStringList>{{"0123456789", "王小明", "8,361.00"}}));
    EXPECT_EQ(list->QuickRep1.findItem("ED_SZ_F3"), nullptr) << "no salary categories on this list";
}

TEST_F(Bank13, TheFileIsSalyDatAndBrowsingForcesDat)
{
    dialog.reset(Create<TWagbk13bForm>(nullptr));
    dialog->ShowModal();
    EXPECT_EQ(dialog->component<QLineEdit>("PathFile")->text(), company.mediaFolder() + "/SALY.DAT");
    EXPECT_EQ(browseTo("/tmp/PAY.TXT", "*.DAT"), "/tmp/PAY.DAT");
}

} // namespace
