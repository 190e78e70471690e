// Chang Hwa Bank: the header, detail and trailer records byte for byte, the split account and the
// control total of the window, the choice of printout, the salary list and the delivery form.
#include "banks/wagbk1/choice_dialog.h"
#include "banks/wagbk1/wagbk1.h"
#include "runtime/cvcode.h"
#include "runtime/language.h"
#include "runtime/report/pdfoutput.h"
#include "runtime/report/pdf_text.h"
#include "runtime/report/qrprinter.h"
#include "runtime/ui/function_buttons.h"
#include "support/bank_export.h"
#include "transfer/media_file_writer.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

ColumnRow employee(const QString& branch, const QString& account, const QString& name, double amount, const QString& idNo = {})
{
    return {RowKind::Employee, {{"BACC_NO", branch}, {"BACC_NO1", account}, {"YG_NAME", name}, {"A_MTN", amount}, {"ID_NO", idNo}}};
}

ColumnRow label(RowKind kind, const QString& text, double amount)
{
    return {kind, {{"BACC_NO", text}, {"A_MTN", amount}}};
}

class Bank1 : public BankExportTest {
protected:
    Bank1() : BankExportTest(QDate(2026, 3, 1)) {}
    QByteArray exportRows(const std::vector<ColumnRow>& rows, const QDate& date = QDate(2026, 3, 5))
    {
        FillTransferColumns(table, Wagbk1TableLayout(), rows);
        dialog.reset(Create<TWagbk1bForm>(nullptr));
        return exportTable(date);
    }
    // The description's example: its header, detail and trailer lines.
    static QByteArray example()
    {
        const QString description = ":/banks/wagbk1/description.txt";
        return DescriptionExample(description, "112340056") + DescriptionExample(description, "212340056")
            + DescriptionExample(description, "312340056");
    }
};

TEST_F(Bank1, RecordsByteForByteAsTheDescriptionShowsThemSkippingSubtotalAndTotalRows)
{
    company.setBankRow("1", "1234", "0056");
    const QByteArray file = exportRows({employee("0096", "5012345678", "王小明", 35000, "A123456789"),
                                        employee("0101", "0123456789", "李大華", 8361, "B223456789"),
                                        label(RowKind::Subtotal, "小計(A01)", 43361),
                                        employee("5043", "12345", "歐陽志明", 100, "C123456780"),
                                        label(RowKind::Total, "合計", 43461)});
    ASSERT_EQ(example().count('\n'), 5);
    EXPECT_EQ(file, example());
    const QList<QByteArray> lines = file.split('\n');
    EXPECT_EQ(lines[1].mid(95, 20), ToBig5("王小明").bytes + "      " "        ") << "6 bytes of name, 6 spaces, then the filler";
    EXPECT_EQ(lines[0].size(), 122) << "121 bytes from ROC year 100 on, and the CR";
    EXPECT_EQ(lines[4].size(), 54);
    EXPECT_TRUE(messages.last().startsWith(LoadFormResourceStr("WAGBK", 10082))) << messages.last().toStdString();
}

TEST_F(Bank1, BeforeRocYear100TheRecordsAre120And52BytesAndTheTotalsRunOverTheDetails)
{
    const QList<QByteArray> lines =
        exportRows({employee("1", "2", "甲", 1000), employee("3", "4", "乙", 2000), employee("5", "6", "丙", 3500)},
                   QDate(2002, 3, 5))
            .split('\n');
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines[0], "1" "        " "CCB     251" "910305" + QByteArray(94, ' ') + "\r") << "no row: a blank company code";
    EXPECT_EQ(lines[1].size(), 121);
    EXPECT_EQ(lines[4], "3" "        " "CCB     251" "910305" "0000000000650000" "0000000003\r");
}

TEST_F(Bank1, TheCompanyCodeJoinsTheCutParameters)
{
    company.setBankRow("1", "12", "567890");
    const QByteArray file = exportRows({employee("1", "2", "甲", 1)});
    EXPECT_EQ(file.left(12), "1" "125678  " "CCB");
}

TEST_F(Bank1, ANamelessEmployeeWithAnAccountIsRefusedAndOneWithoutAnyIsWritten)
{
    const QStringList refused = refusals([this] {
        exportRows({employee("0096", "5012345678", "", 100), employee("", "", "", 200), employee("1", "2", "甲", 1)});
    });
    EXPECT_EQ(refused, (QStringList{"00965012345678: " + LoadFormResourceStr("WAGBK", 15900) + " = " + LoadFormResourceStr("WAGBK", 15901)}));

    const QList<QByteArray> lines = exportRows({employee("", "", "", 200), employee("1", "2", "甲", 1)}).split('\n');
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[1].mid(27, 14), QByteArray(14, ' '));
    EXPECT_EQ(lines[3].mid(27), "0000000000020100" "0000000002\r");
}

TEST_F(Bank1, AnAmountBeyondFourteenDigitsIsRefused)
{
    const QStringList refused = refusals([this] { exportRows({employee("1", "2", "甲", 1e12), employee("1", "2", "乙", 999999999999)}); });
    EXPECT_EQ(refused, (QStringList{"甲: 存款金額 = 1000000000000"}));
    EXPECT_TRUE(ReadFileBytes(path).isEmpty());
}

TEST_F(Bank1, TheExportProposesTheRememberedNameOrTheFolderAlone)
{
    FillTransferColumns(table, Wagbk1TableLayout(), {employee("1", "2", "甲", 1)});
    dialog.reset(Create<TWagbk1bForm>(nullptr));
    dialog->ShowModal();
    EXPECT_EQ(dialog->component<QLineEdit>("PathFile")->text(), company.mediaFolder() + "/");

    ReleasedForm<TWagbk1aForm> parameters(Create<TWagbk1aForm>(nullptr));
    parameters->ShowModal();
    parameters->component<QLineEdit>("ID1_0")->setText("1234");
    parameters->Btn_F8Click();
    EXPECT_EQ(company.scalar("SELECT FILENAME FROM BANK1 WHERE BNK_NO='1'").toString(), "Pccut.Txt");
    EXPECT_EQ(company.scalar("SELECT NAME FROM BANK1 WHERE BNK_NO='1'").toString(), LoadFormResourceStr("WAGBK", 11000));
    dialog->ShowModal();
    EXPECT_EQ(dialog->component<QLineEdit>("PathFile")->text(), company.mediaFolder() + "/Pccut.Txt");
}

class Bank1Window : public Bank1 {
protected:
    void SetUp() override
    {
        Bank1::SetUp();
        company.setBankRow("1", "1234", "0056");
        company.addPayRun("R1", QDate(2026, 3, 1));
        company.addPayRun("R2", QDate(2026, 3, 2));
        company.addEmployee({"E001", "王小明", "00965012345678", "", "", "", "2", "A123456789"});
        company.addEmployee({"E002", "李大華", "0101", "", "", "", "2", "B223456789"});
        company.addEmployee({"E003", "陳一", "0101AB12X45678901234", "", "", "", "2", "C123456789"});
        company.addPayLine("R1", "E001", 35000.4);
        company.addPayLine("R2", "E001", 5000);
        company.addPayLine("R1", "E002", 8361);
        company.addPayLine("R1", "E003", 100);
        window = openWindow<TWagbk1Form>();
        toolbar = window->component<TFunctionButtons>("FunctionButtons1");
    }
    // Prints with the choice dialog answered by radio button `choice` (0: Esc).
    void print(int choice)
    {
        automation.onModal([choice](MForm& dialog) {
            if (choice == 0) {
                dialog.component<QPushButton>("Btn_Esc")->click();
            } else {
                dialog.component<QRadioButton>(QString("Rad%1").arg(choice))->click();
                dialog.component<QPushButton>("Btn_F8")->click();
            }
            return int(mrCancel);
        });
        report::SetPdfOutputPath(company.path("print.pdf"));
        toolbar->RunCommand(cmdPrint);
        report::SetPdfOutputPath(QString());
    }
    ReleasedForm<TWagbk1Form> window;
    TFunctionButtons* toolbar = nullptr;
};

TEST_F(Bank1Window, TheAccountIsSplitAndTheControlTotalAddsEveryPayLine)
{
    toolbar->RunCommand(cmdBuildTable);
    std::vector<QStringList> rows;
    db::LocalTable& t = window->transferTable();
    for (t.first(); !t.eof(); t.next())
        rows.push_back({t.fieldText("BACC_NO"), t.fieldText("BACC_NO1"), t.fieldText("YG_NAME"), t.fieldText("A_MTN"), t.fieldText("ID_NO")});
    EXPECT_EQ(rows, (std::vector<QStringList>{{"0096", "5012345678", "王小明", "40000", "A123456789"},
                                              {"0101", "", "李大華", "8361", "B223456789"},
                                              {"0101", "AB12X45678901234", "陳一", "100", "C123456789"},
                                              {LoadFormResourceStr("WAGBK", 10101), "", "", "48461", ""}}));
    EXPECT_EQ(window->accountTotal(), 2 * 123456) << "E001's two pay lines count twice; the others are no number";
    EXPECT_FALSE(t.fieldDef("ID_NO").visible);

    std::optional<ExportValues> handed;
    automation.onModal([&handed](MForm& form) {
        handed = dynamic_cast<ExportDialog&>(form).values();
        return int(mrCancel);
    });
    toolbar->RunCommand(cmdExport);
    ASSERT_TRUE(handed.has_value());
    EXPECT_EQ(handed->transferDate, QDate(2026, 3, 1));
    EXPECT_EQ(handed->transferTotal, 0) << "the transfer date only";
}

TEST_F(Bank1Window, TheSalaryListShowsEveryEmployeeWithTheBanksHeaderAndTotals)
{
    toolbar->RunCommand(cmdBuildTable);
    ReleasedForm<TWagBk1dForm> list(Create<TWagBk1dForm>(nullptr));
    const std::vector<QStringList> lines = PrintedLines(*list, window->transferTable(), QDate(2026, 3, 5), company.path("l.pdf"));
    EXPECT_EQ(lines, (std::vector<QStringList>{{"0096", "5012345678", "王小明", "40,000.00", ""},
                                               {"0101", "", "李大華", "8,361.00", ""},
                                               {"0101", "AB12X45678901234", "陳一", "100.00", ""}}))
        << "an account of four characters is still listed: the file holds it";
    const report::LaidOutPage& page = list->QuickRep1.QRPrinter()->pages().pages.front();
    EXPECT_EQ(page.find("Id1")->text, "1234");
    EXPECT_EQ(page.find("Sz_Dd")->text, "115/3/5");
    EXPECT_EQ(page.find("Id2")->text, "51");
    EXPECT_EQ(page.find("QRExpr4")->text, "3");
    EXPECT_EQ(page.find("QRExpr3")->text, "48,461.00");
    EXPECT_EQ(page.find("PageCount1")->text, "3");
}

TEST_F(Bank1Window, TheChoiceLeadsToTheListOrTheDeliveryFormAndEscPrintsNothing)
{
    print(0);
    EXPECT_FALSE(QFile::exists(company.path("print.pdf")));

    print(2);
    ASSERT_TRUE(QFile::exists(company.path("print.pdf")));
    QFile::rename(company.path("print.pdf"), company.path("form.pdf"));
    print(1);
    EXPECT_TRUE(QFile::exists(company.path("print.pdf")));

    SKIP_UNLESS_PDFTOTEXT();
    const QString text = reporttest::PdfText(company.path("form.pdf"));
    EXPECT_TRUE(text.contains("媒 體 遞 送 單"));
    EXPECT_TRUE(text.contains("肆萬捌仟肆佰陸拾壹元整")) << text.toStdString();
    EXPECT_TRUE(text.contains("246912"));
}

TEST_F(Bank1Window, TheDeliveryFormsFields)
{
    ReleasedForm<TWagBk1eForm> form(Create<TWagBk1eForm>(nullptr));
    form->Fill({QDate(2026, 3, 5), 3, 48461.9, 123456789012});
    const report::LaidOutPage page = form->QuickRep1.layout().pages.front();
    auto text = [&page](const char* item) { return page.find(item)->text; };
    EXPECT_EQ(text("CompanyName"), "測試股份有限公司");
    EXPECT_EQ(text("Id1"), "1234");
    EXPECT_EQ(text("CompanyDate"), "115/3/5");
    EXPECT_EQ((QStringList{text("CompanyYY"), text("CompanyMM"), text("CompanyDD")}), (QStringList{"115", "3", "5"}));
    EXPECT_EQ(text("CompanyRecord"), "3");
    EXPECT_EQ(text("CompanyAmtn"), "肆萬捌仟肆佰陸拾壹元整") << "the total truncated to whole units";
    EXPECT_EQ(text("CompanyTotal"), "3456789012") << "its last ten digits";
    EXPECT_THROW(form->Fill({QDate(2026, 3, 5), 1, 1e13, 0}), std::runtime_error);
}

} // namespace
