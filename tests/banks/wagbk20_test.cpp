// First Bank, general transfer file: the 73-byte records byte for byte, the dialogs' two names and
// two default files, the window's selection, and its list.
#include "banks/wagbk20/wagbk20.h"
#include "runtime/cvcode.h"
#include "runtime/language.h"
#include "runtime/ui/function_buttons.h"
#include "support/bank_export.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>

namespace {

const TransferTableLayout Layout = TransferTableLayout::EmployeeNumbered();

class Bank20 : public BankExportTest {
protected:
    Bank20() : BankExportTest(QDate(2001, 10, 1)) {}
    QByteArray exportRows(std::initializer_list<TransferRow> rows, const QDate& date = QDate(2001, 10, 5))
    {
        return BankExportTest::exportRows<TWagbk20bForm>(Layout, rows, date);
    }
};

TEST_F(Bank20, RecordsByteForByteAsTheDescriptionShowsThemWithoutSubtotalRows)
{
    company.setBankRow("20", "012");
    const QByteArray file = exportRows({{"12345678901", "王小明", 35000, "E001", "A123456789"},
                                        {"小計(A01)", "", 35000},
                                        {"0021234567", "李大華", 8361, "E002", "B223456789"},
                                        {"12345678901", "陳一", 32500, "E003", "C2234567891234"},
                                        {"合計", "", 75861}});
    const QByteArray example = DescriptionExample(":/banks/wagbk20/description.txt", "1797");
    ASSERT_EQ(example.count('\n'), 2);
    EXPECT_EQ(file, example + "1797" "          " "12345678901" "C223456789" "0" "000000003250000" "012" "31" "  " "901005"
                              + ToBig5("薪資存入").bytes + " \r\n")
        << "a 14-digit account and the identity number are cut to their first 11 and 10";
    EXPECT_TRUE(messages.last().startsWith(LoadFormResourceStr("WAGBK", 10082))) << messages.last().toStdString();
    EXPECT_EQ(company.scalar("SELECT COUNT(*) FROM BANK1 WHERE BNK_NO='20'").toInt(), 1);
    EXPECT_EQ(company.scalar("SELECT FILENAME FROM BANK1 WHERE BNK_NO='20'").toString(), "MEDIA.DAT");
}

TEST_F(Bank20, FromRocYear100TheRecordIs74BytesAndTheBranchIsPaddedOrBlank)
{
    QList<QByteArray> lines = exportRows({{"123456789", "甲", 1, "E1", "A1"}}, QDate(2026, 3, 5)).split('\n');
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0].size(), 75) << "74 bytes and the CR";
    EXPECT_EQ(lines[0].mid(14, 11), "123456789  ") << "a 9-digit account is followed by two spaces";
    EXPECT_EQ(lines[0].mid(51, 3), "   ") << "no BANK1 row: three spaces as the handling branch";
    EXPECT_EQ(lines[0].mid(58, 7), "1150305");

    company.setBankRow("20", "12");
    lines = exportRows({{"1", "甲", 1, "E1"}}).split('\n');
    EXPECT_EQ(lines[0].mid(51, 3), "12 ");
}

TEST_F(Bank20, CentsBeyondThirtyTwoBitsAndNamelessEmployeesAreRefused)
{
    const QStringList refused = refusals([this] {
        exportRows({{"1", "甲", 21474836, "E1"}, {"2", "乙", 21474837, "E2"}, {"3", "丙", 1, "E3"}});
    });
    EXPECT_EQ(refused, (QStringList{"E2 乙: 金額 = 21474837（超過欄位可容納的金額）"}));
    EXPECT_FALSE(QFile::exists(path));
    const QStringList nameless = refusals([this] {
        FillTransferRows(table, Layout, {{"1", "甲", 1, "E1"}, {"2", "", 5, "E2"}});
        dialog->Btn_F8Click();
    });
    EXPECT_EQ(nameless.size(), 1);
    EXPECT_TRUE(nameless.value(0).startsWith("E2")) << nameless.value(0).toStdString();
}

TEST_F(Bank20, TheDialogsCarryTheBanksNameAndTheirOwnDefaultFiles)
{
    dialog.reset(Create<TWagbk20bForm>(nullptr));
    dialog->ShowModal();
    EXPECT_TRUE(dialog->component<QLineEdit>("PathFile")->text().endsWith("/HNCBIN.DAT")) << "proposed while the row is missing";
    EXPECT_EQ(browseTo("/tmp/PAY.TXT", "*.TXT"), "/tmp/PAY.DAT") << "the save dialog offers text files, the name becomes .DAT";

    ReleasedForm<TWagbk20aForm> parameters(Create<TWagbk20aForm>(nullptr));
    parameters->ShowModal();
    EXPECT_EQ(parameters->windowTitle(), LoadFormResourceStr("WAGBK", 11004));
    EXPECT_EQ(parameters->component<QLineEdit>("ID1_20")->maxLength(), 3);
    parameters->component<QLineEdit>("ID1_20")->setText("012");
    parameters->Btn_F8Click();
    EXPECT_EQ(company.scalar("SELECT ID1 || ',' || FILENAME || ',' || NAME FROM BANK1 WHERE BNK_NO='20'").toString(),
              "012,MEDIA.DAT," + LoadFormResourceStr("WAGBK", 11016));
    dialog->ShowModal();
    EXPECT_TRUE(dialog->component<QLineEdit>("PathFile")->text().endsWith("/MEDIA.DAT"));
}

TEST_F(Bank20, TheWindowRoundsEachLineAndTheListShowsTheDateAndTheEmployee)
{
    company.setBankRow("20", "012");
    company.addPayRun("R1", QDate(2001, 10, 5));
    company.addEmployee({"E001", "王小明", "12345678901", "", "", "", "2", "A123456789"});
    company.addPayLine("R1", "E001", 32500.40);
    const ReleasedForm<TWagbk20Form> window = openWindow<TWagbk20Form>();
    const std::optional<ExportValues> handed = exportFromWindow(*window);
    ASSERT_TRUE(handed.has_value());
    EXPECT_EQ(handed->transferTotal, 0) << "the transfer date only";
    EXPECT_EQ(ReadFileBytes(path).mid(36, 15), "000000003250000") << "32,500.40 enters the table as 32,500";

    ReleasedForm<TWagbk20cForm> list(Create<TWagbk20cForm>(nullptr));
    EXPECT_EQ(PrintedLines(*list, window->transferTable(), QDate(2001, 10, 5), company.path("list.pdf")),
              (std::vector<QStringList>{{"90/10/05", "E001", "王小明", "12345678901", "A123456789", "32,500.00"}}));
    EXPECT_EQ(list->QuickRep1.findItem("ED_SZ_F3"), nullptr) << "no salary categories on this list";
}

struct Bank20Simplified : ::testing::Test {
    TestCompany company{QDate(2026, 3, 1), 0};
};

TEST_F(Bank20Simplified, TheListsCaptionsTakeTheTraditionalSongFace)
{
    ReleasedForm<TWagbk20cForm> list(Create<TWagbk20cForm>(nullptr));
    bool converted = false;
    for (report::TQRPrintable* item : list->QuickRep1.allItems()) {
        if (auto* label = dynamic_cast<report::TQRLabel*>(item); label && label->caption() == QStringLiteral("月薪资转存清册")) {
            converted = true;
            EXPECT_EQ(label->font().family(), QStringLiteral("宋體"));
        }
    }
    EXPECT_TRUE(converted);
}

} // namespace
