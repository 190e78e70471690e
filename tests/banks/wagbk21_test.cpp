// Overseas Chinese Bank: the lines byte for byte with their deposit or debit mark and cut names,
// rows without name, and the file name kept without parameters.
#include "banks/wagbk21/wagbk21.h"
#include "runtime/cvcode.h"
#include "runtime/language.h"
#include "support/bank_export.h"
#include "transfer/media_file_writer.h"

#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

namespace {

const TransferTableLayout Layout = TransferTableLayout::AccountAndNumber(12);

QByteArray big5(const QString& text)
{
    return ToBig5(text).bytes;
}

class Bank21 : public BankExportTest {
protected:
    Bank21() : BankExportTest(QDate(2002, 3, 1)) {}
    QByteArray exportRows(std::initializer_list<TransferRow> rows)
    {
        return BankExportTest::exportRows<TWagbk21bForm>(Layout, rows, QDate(2002, 3, 5));
    }
};

TEST_F(Bank21, LinesByteForByteWithTheirMarkAndNamesCutToTenBytes)
{
    FillTransferRows(table, Layout, {{"12345678901234", "王小明", 32500, "E001"},
                                     {"小計(A01)", "", 32500},
                                     {"0021234567", "Amy陳一二三四", 0, "E002"},
                                     {"0031234567", "李四", -500, "E003"},
                                     {"", "", 100},
                                     {"合計", "", 32100}});
    MarkEmployeeRow(table, 4);
    dialog.reset(Create<TWagbk21bForm>(nullptr));
    EXPECT_EQ(exportTable(QDate(2002, 3, 5)),
              DescriptionExample(":/banks/wagbk21/description.txt", "1234567890")
                  + "0021234567    " "2" "0000000000000" + big5("Amy陳一二") + "\r\n"
                  + "0031234567    " "2" "0000000-50000" + big5("李四") + "\r\n"
                  + "              " "1" "0000000010000" "\r\n")
        << "a name is cut before the character that would pass ten bytes; a row without name and account is written";
    EXPECT_TRUE(messages.last().startsWith(LoadFormResourceStr("WAGBK", 10082))) << messages.last().toStdString();
}

TEST_F(Bank21, AnEmployeeWithAnAccountButNoNameIsRefused)
{
    const QStringList refused = refusals([this] { exportRows({{"1", "甲", 1, "E1"}, {"2", "", 2, "E2"}}); });
    EXPECT_EQ(refused, QStringList{"E2: " + LoadFormResourceStr("WAGBK", 15900) + " = " + LoadFormResourceStr("WAGBK", 15901)});
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(Bank21, WithoutTheBanksRowTheFileStaysWageAndTheDialogKeepsTheRowForTheName)
{
    exportRows({{"1", "甲", 1, "E1"}});
    EXPECT_EQ(proposedPath<TWagbk21bForm>(), company.mediaFolder() + "/WAGE.TXT") << "no row: nothing remembered";

    ReleasedForm<TWagbk21aForm> parameters(Create<TWagbk21aForm>(nullptr));
    parameters->ShowModal();
    EXPECT_TRUE(parameters->findChildren<QLineEdit*>().isEmpty());
    QKeyEvent f8(QEvent::KeyPress, Qt::Key_F8, Qt::NoModifier);
    parameters->FormKeyDown(&f8);
    EXPECT_EQ(company.scalar("SELECT NAME || '|' || FILENAME FROM BANK1 WHERE BNK_NO='21'").toString(),
              LoadFormResourceStr("WAGBK", 11018) + "|WAGE.TXT");

    exportRows({{"1", "甲", 1, "E1"}});
    EXPECT_EQ(proposedPath<TWagbk21bForm>(), company.mediaFolder() + "/MEDIA.DAT");
    company.setBankRow("21", "", "", "");
    EXPECT_EQ(proposedPath<TWagbk21bForm>(), company.mediaFolder() + "/WAGE.TXT") << "an empty name gives way to the default";
    EXPECT_EQ(browseTo("/tmp/PAY.DAT", "*.TXT"), "/tmp/PAY.TXT") << "a browsed name takes .TXT";
}

// The window keeps the account's first 14 characters and the employee number, hands over the date
// alone, and its list prints the employees without a line of salary categories.
TEST_F(Bank21, TheWindowKeepsTheWholeAccountHandsOverTheDateAloneAndListsTheEmployees)
{
    company.addPayRun("R1", QDate(2002, 3, 5));
    company.addEmployee({"E001", "王小明", "123456789012345678", "", "", "", "2", "A123456789"});
    company.addEmployee({"E002", "李大華", "0509876543", "", "", "", "2", "B223456789"});
    company.addPayLine("R1", "E001", 32500);
    company.addPayLine("R1", "E002", 8361);
    const ReleasedForm<TWagbk21Form> window = openWindow<TWagbk21Form>();
    EXPECT_EQ(window->windowTitle(), LoadFormResourceStr("WAGBK", 11018));
    EXPECT_EQ(window->component<QToolButton>("Rem")->toolTip(), LoadFormResourceStr("WAGBK", 11018));
    const ExportValues handed = handedOver(*window);
    EXPECT_EQ(handed.transferTotal, 0);
    EXPECT_EQ(handed.transferCount, 0);

    db::LocalTable& table = window->transferTable();
    EXPECT_EQ(ColumnTexts(table, {"BACC_NO", "YG_NO", "YG_NAME"}),
              (std::vector<QStringList>{{"123456789012345678", "E001", "王小明"},
                                        {"0509876543", "E002", "李大華"},
                                        {LoadFormResourceStr("WAGBK", 10101), "", ""}}));

    ReleasedForm<TWagbk21cForm> list(Create<TWagbk21cForm>(nullptr));
    EXPECT_EQ(PrintedLines(*list, table, QDate(2002, 3, 5), company.path("list.pdf")),
              (std::vector<QStringList>{{"123456789012345678", "王小明", "32,500.00"}, {"0509876543", "李大華", "8,361.00"}}));
    EXPECT_EQ(list->QuickRep1.findItem("ED_SZ_F3"), nullptr) << "no salary categories on this list";
}

struct Bank21Simplified : ::testing::Test {
    TestCompany company{QDate(2026, 3, 1), 0};
};

// In simplified Chinese the list's captions take the traditional name of the Song face, and its
// expressions keep the font they were designed with.
TEST_F(Bank21Simplified, TheListsCaptionsTakeTheTraditionalSongFaceAndItsExpressionsKeepTheirs)
{
    ReleasedForm<TWagbk21cForm> list(Create<TWagbk21cForm>(nullptr));
    bool converted = false, expressions = false;
    for (report::TQRPrintable* item : list->QuickRep1.allItems()) {
        if (auto* label = dynamic_cast<report::TQRLabel*>(item); label && label->caption() == QStringLiteral("月薪资转存清册")) {
            converted = true;
            EXPECT_EQ(label->font().family(), QStringLiteral("宋體"));
        } else if (auto* expression = dynamic_cast<report::TQRExpr*>(item)) {
            expressions = true;
            EXPECT_NE(expression->font().family(), QStringLiteral("宋體"));
            EXPECT_NE(expression->font().family(), QStringLiteral("宋体"));
        }
    }
    EXPECT_TRUE(converted);
    EXPECT_TRUE(expressions);
}

} // namespace
