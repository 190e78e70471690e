// The post office: both media files byte for byte, the file chosen before the export and its half of
// FILENAME, the account error list and the commands it holds back, the parameters and the printed forms.
#include "banks/wagbk1/choice_dialog.h"
#include "banks/wagbk2/wagbk2.h"
#include "runtime/language.h"
#include "runtime/report/pdf_text.h"
#include "runtime/report/pdfoutput.h"
#include "runtime/report/qrprinter.h"
#include "runtime/ui/function_buttons.h"
#include "support/bank_export.h"
#include "transfer/media_file_writer.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QLabel>
#include <QRadioButton>
#include <QTableView>
#include <QTableWidget>

namespace {

ColumnRow employee(const QString& account, const QString& name, double amount, const QString& idNo = {})
{
    return {RowKind::Employee,
            {{"BACC_NO", AccountPart(account, 0)}, {"BACC_NO1", AccountPart(account, 7)}, {"BACC_NO2", account},
             {"YG_NAME", name}, {"A_MTN", amount}, {"ID_NO", idNo}}};
}

class Bank2 : public BankExportTest {
protected:
    Bank2() : BankExportTest(QDate(2026, 3, 1)) {}
    QByteArray exportRows(PostOfficeFile file, const std::vector<ColumnRow>& rows, const QDate& date = QDate(2026, 3, 5))
    {
        FillTransferColumns(table, Wagbk2TableLayout(), rows);
        return exportAgain(file, date);
    }
    QByteArray exportAgain(PostOfficeFile file, const QDate& date = QDate(2026, 3, 5))
    {
        auto* bank2 = Create<TWagbk2bForm>(nullptr);
        bank2->setFile(file);
        dialog.reset(bank2);
        return exportTable(date);
    }
    void setParameters(const QString& bureau, const QString& giro, const QString& fileName = "PSBP-PAY;TDOP-PAY")
    {
        company.setBankRow("2", "北區局儲金股", bureau, fileName);
        company.exec(QString("UPDATE BANK1 SET ID3='%1' WHERE BNK_NO='2'").arg(giro));
    }
    const std::vector<ColumnRow> example{employee("70012334567895", "王小明", 35000, "A123456789"),
                                                   {RowKind::Subtotal, {{"BACC_NO", "小計(A01)"}, {"A_MTN", 35000}}},
                                                   employee("70123430000122", "李大華", 8361, "B223456789"),
                                                   {RowKind::Total, {{"BACC_NO", "合計"}, {"A_MTN", 43361}}}};
};

TEST_F(Bank2, BothFilesByteForByteAsTheDescriptionShowsThemWithoutSubtotalRows)
{
    setParameters("0000001", "12345678");
    const QString description = ":/banks/wagbk2/description.txt";
    const QByteArray deposit = exportRows(PostOfficeFile::Deposit, example);
    ASSERT_EQ(DescriptionExample(description, "030").count('\n'), 2);
    EXPECT_EQ(deposit, DescriptionExample(description, "030"));
    EXPECT_EQ(deposit.indexOf('\r'), 81) << "81 bytes from ROC year 100 on";
    EXPECT_EQ(exportAgain(PostOfficeFile::AccountData), DescriptionExample(description, "406"));
    EXPECT_TRUE(messages.last().startsWith(LoadFormResourceStr("WAGBK", 10082))) << messages.last().toStdString();

    const QByteArray before100 = exportAgain(PostOfficeFile::Deposit, QDate(2002, 3, 5));
    EXPECT_EQ(before100.left(44), "030" "0000001" "      " "12345678" "910305" "70012334567895");
    EXPECT_EQ(before100.indexOf('\r'), 80);
}

TEST_F(Bank2, TheDepositFileReadsBackAndAWrongCheckDigitIsNamed)
{
    setParameters("0000001", "12345678");
    QByteArray file = exportRows(PostOfficeFile::Deposit, example);
    MediaFileReading reading = dialog->ReadBack(path);
    EXPECT_TRUE(reading.valid()) << reading.failures.join('\n').toStdString();
    EXPECT_EQ(reading.employees, 2);
    EXPECT_DOUBLE_EQ(reading.total, 43361);

    file[31 + 13] = '4';   // the first account's check digit: 7001233456789 then 5
    reading = readBack(file);
    EXPECT_EQ(reading.failures, QStringList{LoadFormResourceStr("WAGBK", 15750).arg(1).arg("局號帳號", "70012334567895")});
}

TEST_F(Bank2, AMissingRowWritesBlankCodesAndTheExportProposesTheFolderAlone)
{
    const QByteArray file = exportRows(PostOfficeFile::AccountData, {employee("70012334567895", "甲", 1, "A1")});
    EXPECT_EQ(file.left(32), "406" "       " "        " "70012334567895");
    dialog->ShowModal();
    EXPECT_EQ(dialog->component<QLineEdit>("PathFile")->text(), company.mediaFolder() + "/");
}

TEST_F(Bank2, ADepositBeyondEightDigitsIsRefusedAndSoAreLongCodes)
{
    setParameters("0000012", "12345678");
    const QStringList refused = refusals([this] {
        exportRows(PostOfficeFile::Deposit, {employee("70012334567895", "甲", 999999.99), employee("70012334567895", "乙", 1234567)});
    });
    EXPECT_EQ(refused, QStringList{"乙: 存款金額 = 1234567"}) << "123456700 cents would keep its last eight digits and pay 234,567";
    EXPECT_TRUE(ReadFileBytes(path).isEmpty());

    // Longer codes would lengthen every record: refused, never cut nor written whole.
    setParameters("00000012", "123456789");
    const QString every = LoadFormResourceStr("WAGBK", 15919), tooLong = values::FaultText(values::Fault::TooLong);
    EXPECT_EQ(refusals([this] { exportRows(PostOfficeFile::AccountData, {employee("70012334567895", "甲", 1)}); }),
              (QStringList{RefusalLine(every, "受託局號", "00000012", tooLong), RefusalLine(every, "劃撥帳號", "123456789", tooLong)}));
}

TEST_F(Bank2, EachExportProposesAndRemembersItsOwnHalfOfTheFileNames)
{
    setParameters("0000001", "12345678", "PAY1;ACC1");
    FillTransferColumns(table, Wagbk2TableLayout(), {employee("70012334567895", "甲", 1, "A1")});
    auto* accountData = Create<TWagbk2bForm>(nullptr);
    accountData->setFile(PostOfficeFile::AccountData);
    dialog.reset(accountData);
    dialog->ShowModal();
    EXPECT_EQ(dialog->component<QLineEdit>("PathFile")->text(), company.mediaFolder() + "/ACC1");
    exportTable(QDate(2026, 3, 5));
    EXPECT_EQ(company.scalar("SELECT FILENAME FROM BANK1 WHERE BNK_NO='2'").toString(), "PAY1;MEDIA.DAT");

    automation.onFileDialog([](QString& name, const QString& filter) {
        EXPECT_EQ(filter, "*.txt");
        name = "/tmp/PAY.DAT";
        return true;
    });
    dialog->MSpeedButton1Click();
    EXPECT_EQ(dialog->component<QLineEdit>("PathFile")->text(), "/tmp/PAY.DAT") << "no extension forced";
}

TEST_F(Bank2, TheParametersShowTheDefaultsOfAMissingRowAndKeepTheCategoryInRange)
{
    ReleasedForm<TWagbk2aForm> parameters(Create<TWagbk2aForm>(nullptr));
    parameters->ShowModal();
    auto text = [&parameters](const char* edit) { return parameters->component<QLineEdit>(edit)->text(); };
    EXPECT_EQ((QStringList{text("ID1_1"), text("ID2_1"), text("ID3_1"), text("ID4_1"), text("ID5_1")}),
              (QStringList{"北區局儲金股", "0000001", "", "", "3"}));
    auto* category = parameters->component<QLineEdit>("ID5_1");
    category->setText("7");
    emit category->editingFinished();
    EXPECT_EQ(text("ID5_1"), "3");
    category->setText("2");
    emit category->editingFinished();
    EXPECT_EQ(text("ID5_1"), "2");
    parameters->Btn_F8Click();
    EXPECT_EQ(company.scalar("SELECT ID5 || FILENAME FROM BANK1 WHERE BNK_NO='2'").toString(), "2PSBP-PAY;TDOP-PAY");
}

// The window on a company with a right account, a wrong bureau, a wrong account and a short one.
class Bank2Window : public Bank2 {
protected:
    void SetUp() override
    {
        Bank2::SetUp();
        company.addPayRun("R1", QDate(2026, 3, 1));
        company.addPayRun("R2", QDate(2026, 3, 2));
        company.addEmployee({"E001", "王小明", "70012334567895", "", "", "", "2", "A123456789"});
        company.addEmployee({"E002", "李大華", "00123450000171", "", "", "", "2", "B223456789"});
        company.addEmployee({"E003", "陳一", "00123460000172", "", "", "", "2", "C123456789"});
        company.addEmployee({"E004", "林二", "0012346", "", "", "", "2", "D123456789"});
        for (const char* employee : {"E001", "E002", "E003", "E004"})
            company.addPayLine("R1", employee, 1000);
        company.addPayLine("R2", "E002", 500);
        window = openWindow<TWagbk2Form>();
        toolbar = window->component<TFunctionButtons>("FunctionButtons1");
    }

    // Answers the error list (F6 or Esc), the choice dialog (radio `choice`) and the export dialog.
    void answer(bool continueList, int choice)
    {
        shown.clear();
        automation.onModal([this, continueList, choice](MForm& dialog) {
            shown << dialog.metaObject()->className();
            if (dialog.objectName() == "TWagbk2cForm") {
                listed = dialog.findChild<QTableView*>()->model()->rowCount();
                if (printList)
                    dialog.component<QPushButton>("Btn_F8")->click();
                f6Enabled = dialog.component<QPushButton>("Btn_F6")->isEnabled();
                dialog.component<QPushButton>(continueList ? "Btn_F6" : "Btn_Esc")->click();
            } else if (dialog.objectName() == "TWagbk1cForm") {
                choiceCaption = dialog.windowTitle();
                dialog.component<QRadioButton>(QString("Rad%1").arg(choice))->click();
                dialog.component<QPushButton>("Btn_F8")->click();
            } else if (auto* exporting = dynamic_cast<ExportDialog*>(&dialog)) {
                proposed = exporting->component<QLineEdit>("PathFile")->text();
            }
            return int(mrCancel);
        });
    }

    ReleasedForm<TWagbk2Form> window;
    TFunctionButtons* toolbar = nullptr;
    QStringList shown;
    int listed = 0;
    bool f6Enabled = false;
    bool printList = false;
    QString choiceCaption, proposed;
};

TEST_F(Bank2Window, AccountsThatFailTheirCheckDigitsHoldTheExportUntilF6)
{
    setParameters("0000001", "12345678");
    answer(false, 1);
    toolbar->RunCommand(cmdExport);
    EXPECT_EQ(shown, QStringList{"TWagbk2cForm"}) << "Esc ends the export";
    EXPECT_EQ(listed, 3) << "each employee once, however many pay lines";
    ASSERT_EQ(window->accountErrors().size(), 3u);
    EXPECT_EQ(window->accountErrors()[0].account, "00123450000171");
    EXPECT_EQ(window->accountErrors()[0].employee, "E002");
    EXPECT_EQ(window->accountErrors()[0].name, "李大華");
    EXPECT_EQ(window->accountErrors()[1].employee, "E003") << "a wrong account part";
    EXPECT_EQ(window->accountErrors()[2].employee, "E004") << "no account part at all";
    EXPECT_TRUE(f6Enabled);

    // F8 prints the list and leaves it open.
    answer(false, 1);
    printList = true;
    window->component<QLineEdit>("BYg_No")->setText("E");
    report::SetPdfOutputPath(company.path("errors.pdf"));
    toolbar->RunCommand(cmdExport);
    report::SetPdfOutputPath(QString());
    printList = false;
    EXPECT_EQ(shown, QStringList{"TWagbk2cForm"});
    ASSERT_TRUE(QFile::exists(company.path("errors.pdf")));

    answer(false, 2);
    toolbar->RunCommand(cmdExport);
    EXPECT_EQ(shown, (QStringList{"TWagbk1cForm", "TWagbk2bForm"})) << "the table is no longer stale";

    window->component<QLineEdit>("BYg_No")->setText("E001");
    window->component<QLineEdit>("BYg_No")->setText("");
    answer(true, 2);
    toolbar->RunCommand(cmdExport);
    EXPECT_EQ(shown, (QStringList{"TWagbk2cForm", "TWagbk1cForm", "TWagbk2bForm"}));
    EXPECT_EQ(choiceCaption, LoadFormResourceStr("WAGBK", 11204));
    EXPECT_EQ(proposed, company.mediaFolder() + "/TDOP-PAY") << "the second choice is the account data file";

    SKIP_UNLESS_PDFTOTEXT();
    const QString printed = reporttest::PdfText(company.path("errors.pdf"));
    EXPECT_TRUE(printed.contains(LoadFormResourceStr("WAGBK", 10085)));
    EXPECT_TRUE(printed.contains("00123460000172"));
}

// The list names every employee with his whole account and why it fails, counts them, and is shown
// once for a table: the export after F3 (answered with F6) goes on without it.
TEST_F(Bank2Window, TheErrorListGivesAccountsAndReasonsOncePerTable)
{
    setParameters("0000001", "12345678");
    QStringList rows;
    QString count;
    answer(true, 1);
    automation.onModal([&](MForm& dialog) {
        shown << dialog.metaObject()->className();
        if (dialog.objectName() != "TWagbk2cForm")
            return int(mrCancel);
        // The list takes the focus from the date the clerk typed as digits.
        emit window->component<QLineEdit>("B_DD")->editingFinished();
        auto* table = dialog.findChild<QTableWidget*>();
        for (int row = 0; row < table->rowCount(); ++row)
            rows << table->item(row, 0)->text() + '|' + table->item(row, 1)->text() + '|' + table->item(row, 2)->text();
        count = dialog.findChild<QLabel*>("Count")->text();
        EXPECT_NE(dialog.findChild<QPushButton*>("Btn_Copy"), nullptr);
        EXPECT_NE(dialog.findChild<QPushButton*>("Btn_Save"), nullptr);
        dialog.component<QPushButton>("Btn_F6")->click();
        return int(mrOk);
    });
    window->component<QLineEdit>("B_DD")->setText("1150301");
    toolbar->RunCommand(cmdBuildTable);
    auto reason = [](int id) { return LoadFormResourceStr("WAGBK", id); };
    EXPECT_EQ(rows, (QStringList{"00123450000171|E002 李大華|" + reason(15972),
                                 "00123460000172|E003 陳一|" + reason(15973),
                                 "0012346|E004 林二|" + reason(15974)}));
    EXPECT_TRUE(count.contains('3')) << count.toStdString();
    shown.clear();
    toolbar->RunCommand(cmdExport);
    EXPECT_FALSE(shown.contains("TWagbk2cForm")) << shown.join(',').toStdString();
}

TEST_F(Bank2Window, CategoryTwoSwitchesTheListOffAndAfterTheSumsThereIsNothingToContinue)
{
    setParameters("0000001", "12345678");
    company.exec("UPDATE BANK1 SET ID5='2' WHERE BNK_NO='2'");
    answer(false, 1);
    toolbar->RunCommand(cmdExport);
    EXPECT_EQ(shown, (QStringList{"TWagbk1cForm", "TWagbk2bForm"}));

    company.exec("UPDATE BANK1 SET ID5='3' WHERE BNK_NO='2'");
    answer(false, 1);
    toolbar->RunCommand(cmdBuildTable);
    EXPECT_EQ(shown, QStringList{"TWagbk2cForm"});
    EXPECT_TRUE(f6Enabled);
    // A toolbar that builds the table for its sums: nothing waits for the list.
    window->FunctionButtons1Click(cmdSum);
    window->FunctionButtons1MakeTable();
    EXPECT_FALSE(f6Enabled) << "the last command was the sums";
}

TEST_F(Bank2Window, TheThreePrintedForms)
{
    setParameters("0000001", "12345678");
    company.exec("UPDATE BANK1 SET ID4='0099' WHERE BNK_NO='2'");
    toolbar->RunCommand(cmdBuildTable);
    const PostOfficeFacts facts = [] {
        PostOfficeFacts f = PostOfficeFacts::Read();
        f.transferDate = QDate(2026, 3, 5);
        f.employees = 4;
        f.total = 4500;
        return f;
    }();
    EXPECT_EQ(facts.companyAddress, "台北市中正區");

    ReleasedForm<TWagbk2dForm> deposit(Create<TWagbk2dForm>(nullptr));
    deposit->SetFacts(facts);
    const std::vector<QStringList> lines = PrintedLines(*deposit, window->transferTable(), facts.transferDate, company.path("d.pdf"));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[1], (QStringList{"001234-5", "000017-1", "李大華", "B223456789", "1,500.00"}));
    EXPECT_EQ(lines[3], (QStringList{"001234-6", "      -", "林二", "D123456789", "1,000.00"}));
    const report::LaidOutPage& page = deposit->QuickRep1.QRPrinter()->pages().pages.front();
    EXPECT_EQ(page.find("ZzDate")->text, "115年03月05日");
    EXPECT_EQ(page.find("Id4")->text, "0099");
    EXPECT_EQ(page.find("CompanyAddress")->text, "台北市中正區");
    EXPECT_EQ(page.find("QRExpr4")->text, "4");
    EXPECT_EQ(page.find("QRExpr3")->text, "4,500.00");

    ReleasedForm<TWagbk2eForm> accounts(Create<TWagbk2eForm>(nullptr));
    accounts->SetFacts(facts);
    PrintedLines(*accounts, window->transferTable(), facts.transferDate, company.path("e.pdf"));
    const report::LaidOutPage& list = accounts->QuickRep1.QRPrinter()->pages().pages.front();
    EXPECT_EQ(list.find("PageCount1")->text, "4");
    EXPECT_EQ(list.find("QRExpr4")->text, "4");
    EXPECT_EQ(list.find("PageAmtn1"), nullptr) << "the account data list has no amounts";

    ReleasedForm<TWagbk2gForm> summary(Create<TWagbk2gForm>(nullptr));
    summary->Fill(facts);
    const report::LaidOutPage form = summary->QuickRep1.layout().pages.front();
    EXPECT_EQ(form.find("ZzDate")->text, "115/03/05");
    EXPECT_EQ(form.find("Count")->text, "4");
    EXPECT_EQ(form.find("Amount")->text, "4,500.00");
    EXPECT_EQ(form.find("CompanyName")->text, "測試股份有限公司");
}

TEST_F(Bank2Window, PrintingGoesOnlyPastF6AndTheChoiceNamesTheForm)
{
    answer(false, 3);
    report::SetPdfOutputPath(company.path("print.pdf"));
    toolbar->RunCommand(cmdPrint);
    EXPECT_FALSE(QFile::exists(company.path("print.pdf")));
    answer(true, 3);
    toolbar->RunCommand(cmdPrint);
    report::SetPdfOutputPath(QString());
    EXPECT_EQ(shown, (QStringList{"TWagbk1cForm"})) << "the list showed during the first print's rebuild only";
    EXPECT_EQ(choiceCaption, LoadFormResourceStr("WAGBK", 11207));
    EXPECT_TRUE(QFile::exists(company.path("print.pdf")));
    EXPECT_EQ(PostOfficeFacts::Read().officeName, "北區局儲金股") << "the defaults of a missing row";
    EXPECT_EQ(PostOfficeFacts::Read().bureau, "0000001");
}

} // namespace
