// United World Chinese Commercial Bank: the 21-byte records, what is written or refused without a
// name, the dialog without parameters, and the list that counts records under the salary categories.
#include "banks/wagbk8/wagbk8.h"
#include "runtime/language.h"
#include "runtime/report/laidout.h"
#include "support/bank_export.h"
#include "transfer/media_file_writer.h"

#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const TransferTableLayout Layout = TransferTableLayout::AccountAndNumber(12);

class Bank8 : public BankExportTest {
protected:
    Bank8() : BankExportTest(QDate(2002, 3, 1)) {}
    QByteArray exportRows(std::initializer_list<TransferRow> rows)
    {
        return BankExportTest::exportRows<TWagbk8bForm>(Layout, rows, QDate(2002, 3, 5));
    }
};

TEST_F(Bank8, AccountAndAmountOnlyAndAnEmployeeWithNeitherNameNorAccountIsStillWritten)
{
    FillTransferRows(table, Layout, {{"12345678901", "王小明", 1234567, "E001"},
                                     {"小計(A01)", "", 1234567},
                                     {"", "", 8361.5},
                                     {"合計", "", 1242928.5}});
    MarkEmployeeRow(table, 2);
    dialog.reset(Create<TWagbk8bForm>(nullptr));
    EXPECT_EQ(exportTable(QDate(2002, 3, 5)), "0" "12345678901" "123456700\r\n"
                                              "0" "           " "000836150\r\n")
        << "the account is cut to 11; an amount of exactly nine digits fits";
    EXPECT_EQ(company.scalar("SELECT COUNT(*) FROM BANK1").toInt(), 0) << "no row, nothing remembered";
}

TEST_F(Bank8, AnAmountOfTenDigitsAndAnAccountWithoutNameAreRefused)
{
    const QStringList refused = refusals([this] {
        exportRows({{"1", "甲", 9999999.99, "E1"}, {"2", "乙", 10000000, "E2"}, {"3", "", 5, "E3"}});
    });
    EXPECT_EQ(refused, (QStringList{"E2 乙: 金額 = 10000000", "E3: " + LoadFormResourceStr("WAGBK", 15900) + " = " +
                                                                   LoadFormResourceStr("WAGBK", 15901)}));
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(Bank8, TheDialogWithoutParametersKeepsTheRowWithF8AndAnEmptyNameGivesTheDefaultFile)
{
    EXPECT_EQ(proposedPath<TWagbk8bForm>(), company.mediaFolder() + "/SPUOP.TXT");
    ReleasedForm<TWagbk8aForm> parameters(Create<TWagbk8aForm>(nullptr));
    parameters->ShowModal();
    EXPECT_TRUE(parameters->findChildren<QLineEdit*>().isEmpty());
    EXPECT_EQ(parameters->findChild<QPushButton*>("Btn_F8"), nullptr);
    ASSERT_NE(parameters->findChild<QPushButton*>("Btn_Esc"), nullptr);
    EXPECT_EQ(parameters->component<QLabel>("MLabel1")->text(), LoadFormResourceStr("WAGBK", 12107));
    QKeyEvent f8(QEvent::KeyPress, Qt::Key_F8, Qt::NoModifier);
    EXPECT_TRUE(parameters->FormKeyDown(&f8));
    EXPECT_EQ(company.scalar("SELECT NAME || '|' || FILENAME FROM BANK1 WHERE BNK_NO='8'").toString(),
              LoadFormResourceStr("WAGBK", 11007) + "|SPUOP.TXT");

    company.setBankRow("8", "", "", "");
    EXPECT_EQ(proposedPath<TWagbk8bForm>(), company.mediaFolder() + "/SPUOP.TXT");
    company.setBankRow("8", "", "", "PAY.TXT");
    EXPECT_EQ(proposedPath<TWagbk8bForm>(), company.mediaFolder() + "/PAY.TXT");
}

TEST_F(Bank8, TheListCountsRecords)
{
    FillTransferRows(table, Layout, {{"12345678901", "王小明", 100, "E001"}, {"合計", "", 100}});
    ReleasedForm<TWagbk8cForm> list(Create<TWagbk8cForm>(nullptr));
    list->Prepare(table, {QDate(2002, 3, 5), false, "薪資,年終"});
    const auto* kinds = dynamic_cast<const report::TQRLabel*>(list->QuickRep1.findItem("ED_SZ_F3"));
    ASSERT_NE(kinds, nullptr) << "the list keeps the line of the salary categories";
    EXPECT_EQ(kinds->caption(), "薪資,年終");
    QStringList summary;
    const auto layout = list->QuickRep1.layout();   // the items live as long as their layout
    for (const report::LaidOutItem* item : layout.pages.front().bandItems("SummaryBand1"))
        summary << item->text;
    EXPECT_TRUE(summary.contains("筆數共") && summary.contains("筆") && !summary.contains("人")) << summary.join('|').toStdString();
    EXPECT_EQ(list->windowTitle(), "世華銀行薪資清冊報表");
}

} // namespace
