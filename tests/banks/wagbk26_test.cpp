// Union Bank of Taiwan: the header line and the blank-separated employee lines byte for byte, their
// lengths, and the parameter dialog.
#include "banks/wagbk26/wagbk26.h"
#include "runtime/language.h"
#include "support/bank_export.h"
#include "transfer/media_file_writer.h"

#include <QFile>
#include <QLineEdit>
#include <QToolButton>

namespace {

const TransferTableLayout Layout = TransferTableLayout::EmployeeNumbered();

class Bank26 : public BankExportTest {
protected:
    Bank26() : BankExportTest(QDate(2006, 3, 1)) {}
    QByteArray exportRows(std::initializer_list<TransferRow> rows, const QDate& date = QDate(2006, 3, 5))
    {
        return BankExportTest::exportRows<TWagbk26bForm>(Layout, rows, date);
    }
};

TEST_F(Bank26, HeaderAndEmployeeLinesByteForByteSkippingSubtotalAndTotalRows)
{
    company.setBankRow("26", "123456789012");
    const QByteArray file = exportRows({{"123456789", "王小明", 32500.40, "E001", "A123456789"},
                                        {"小計(A01)", "", 32500},
                                        {"123456789012", "李大華", 8361, "E002", "B2234567"},
                                        {"合計", "", 40861}});
    EXPECT_EQ(file, "10950305\r\n"
                    "123456789000 A123456789 0000032500 0009 Y\r\n"
                    "123456789012 B2234567 0000008361 0009 Y\r\n")
        << "a short account is filled with zeros, a short identity number shortens the line";
    EXPECT_EQ(company.scalar("SELECT FILENAME FROM BANK1 WHERE BNK_NO='26'").toString(), "MEDIA.DAT");
}

TEST_F(Bank26, WithoutTheBanksRowTheHeaderIsTheDateAloneWithAThreeDigitYear)
{
    EXPECT_EQ(exportRows({{"1", "甲", 1, "E1", "A1"}}, QDate(2011, 1, 2)), "1000102\r\n100000000000 A1 0000000001 0009 Y\r\n");
}

TEST_F(Bank26, AnAmountOfMoreThanTenDigitsIsRefused)
{
    const QStringList refused = refusals([this] { exportRows({{"1", "甲", 12345678901.0, "E1", "A1"}}); });
    EXPECT_EQ(refused, QStringList{"E1 甲: 金額 = 12345678901"});
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(Bank26, TheWindowAndDialogAreCaptionedWithTheBanksNameAndTheDialogCreatesTheRowWithTrnfile)
{
    const ReleasedForm<TWagbk26Form> window = openWindow<TWagbk26Form>();
    EXPECT_EQ(window->windowTitle(), "聯邦商業銀行");
    EXPECT_EQ(window->component<QToolButton>("Rem")->toolTip(), LoadFormResourceStr("WAGBK", 11019));

    EXPECT_EQ(proposedPath<TWagbk26bForm>(), company.mediaFolder() + "/TRNFILE");
    EXPECT_EQ(browseTo("/tmp/TRN", "*.TXT"), "/tmp/TRN") << "a browsed name gains no extension";

    ReleasedForm<TWagbk26aForm> parameters(Create<TWagbk26aForm>(nullptr));
    parameters->ShowModal();
    EXPECT_EQ(parameters->windowTitle(), "聯邦商業銀行");
    parameters->component<QLineEdit>("ID1_9")->setText("9876543210987");
    parameters->Btn_F8Click();
    EXPECT_EQ(company.scalar("SELECT NAME || '|' || ID1 || '|' || FILENAME FROM BANK1 WHERE BNK_NO='26'").toString(),
              LoadFormResourceStr("WAGBK", 11019) + "|987654321098|TRNFILE");
}

} // namespace
