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
    EXPECT_EQ(messages.last(), LoadFormResourceStr("WAGBK", 10082));
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
}

} // namespace
