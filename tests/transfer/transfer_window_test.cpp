// The clerk's whole path in a transfer window: conditions, F2 panel, build, bank parameters,
// export, preview, print to PDF and the format description.
#include "banks/wagbk10/wagbk10.h"
#include "banks/wagbk18/wagbk18.h"
#include "runtime/config.h"
#include "transfer/transfer_list_report.h"
#include "runtime/db/database.h"
#include "runtime/report/pdfoutput.h"
#include "runtime/report/printers.h"
#include "runtime/ui/automation.h"
#include "runtime/ui/function_buttons.h"
#include "runtime/ui/mprogress_form.h"
#include "runtime/language.h"
#include "support/test_company.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>
#include <QElapsedTimer>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class TransferWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        company.addPayRun("R1", QDate(2026, 3, 5));
        company.addAdditionalRun("FJ1", "年終獎金");
        company.addDepartment("A01", "總公司");
        company.addEmployee({"E001", "王小明", "004123", "", "", ""});
        company.addEmployee({"E002", "李大華", "", "", "008999", ""});
        company.addPayLine("R1", "E001", 30000.5);
        company.addPayRun("R2", QDate(2026, 3, 20));
        company.addPayLine("R2", "E001", 5000, "A01", "FJ1");
        company.addPayLine("R1", "E002", 41000);
        automation.onMessage([this](const MessageRequest& m) {
            messages << m.text;
            if (m.type == MsgType::Error)
                errors << m.text;
            return (m.buttons & mbOK) ? int(mrOk) : int(mrYes);
        });
        window = Create<TWagbk10Form>(nullptr);
        window->setAttribute(Qt::WA_DontShowOnScreen);
        window->show();
        QApplication::processEvents();
    }
    void TearDown() override { window->Release(); }

    void run(int code) { window->component<TFunctionButtons>("FunctionButtons1")->RunCommand(code); }
    // F9, the export dialog answered with `file` and F8.
    void exportTo(const QString& file)
    {
        automation.onModal([&file](MForm& dialog) {
            dialog.component<QLineEdit>("PathFile")->setText(file);
            dialog.component<QPushButton>("Btn_F8")->click();
            return int(mrCancel);
        });
        run(cmdExport);
    }
    QString status() { return window->component<QStatusBar>("StatusBar")->currentMessage(); }
    db::LocalTable& table() { return window->component<TFunctionButtons>("FunctionButtons1")->Table(); }

    TestCompany company;
    AutomationGuard automation;
    TWagbk10Form* window = nullptr;
    QStringList messages, errors;
};

TEST_F(TransferWindowTest, OpensWithTheCurrentMonthAndToday)
{
    EXPECT_EQ(window->component<QLineEdit>("B_DD")->text(), "115/03/01");
    EXPECT_EQ(window->component<QLineEdit>("E_DD")->text(), "115/03/31");
    EXPECT_EQ(window->component<QLineEdit>("ZZ_DD")->text(), "115/03/01");
    EXPECT_TRUE(window->component<TFunctionButtons>("FunctionButtons1")->NeedRebuild);
}

TEST_F(TransferWindowTest, TheClerksPathFromConditionsToPrintedList)
{
    // F2: both categories, order by department; the conditions are saved in row "0".
    automation.onModal([](MForm& panel) {
        panel.component<QLineEdit>("ED_SZ")->setText("正常薪資;年終獎金");
        panel.component<QComboBox>("COM_SORT")->setCurrentIndex(1);
        panel.component<QPushButton>("Btn_F8")->click();
        return int(mrOk);
    });
    run(cmdConditions);
    EXPECT_EQ(company.scalar("SELECT ID2 || ',' || NAME FROM BANK1 WHERE BNK_NO='0'").toString(), "1,正常薪資;年終獎金");

    run(cmdBuildTable);
    EXPECT_EQ(window->transferCount(), 2);
    EXPECT_EQ(window->transferTotal(), 76000);
    EXPECT_EQ(table().recordCount(), 4) << "two employees, the A01 subtotal, the total";
    run(cmdSum);
    EXPECT_TRUE(messages.last().contains("76,000.00")) << "subtotal and total rows are not summed again";

    // Bank parameters.
    automation.onModal([](MForm& dialog) {
        dialog.component<QLineEdit>("ID1_10")->setText("012");
        dialog.component<QLineEdit>("ID2_10")->setText("7");
        dialog.component<QPushButton>("Btn_F8")->click();
        return int(mrOk);
    });
    run(cmdBankParameters);
    EXPECT_EQ(company.scalar("SELECT ID1 || '/' || ID2 || '/' || FILENAME FROM BANK1 WHERE BNK_NO='10'").toString(), "012/7/SALARY.TXT");

    // Export.
    const QString file = company.path("SALARY.TXT");
    exportTo(file);
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    const QByteArray media = ReadFileBytes(file);
    EXPECT_EQ(media.count("\r\n"), 3);
    EXPECT_EQ(media.mid(42, 12), "000000076000") << "dates of seven characters from the year 100 on";
    EXPECT_EQ(messages.last(), LoadFormResourceStr("WAGBK", 10082) + ' '
                                   + LoadFormResourceStr("WAGBK", 15941).arg(QDir::toNativeSeparators(file), "2", "76,000.00"));

    // Print to PDF, then preview.
    report::SetPdfOutputPath(company.path("list.pdf"));
    run(cmdPrint);
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    EXPECT_GT(QFileInfo(company.path("list.pdf")).size(), 1000);
    run(cmdPreview);
    QWidget* preview = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "TF6MainForm" || w->findChild<QWidget*>("TF6MainForm"))
            preview = w;
    for (QWidget* w : window->findChildren<QWidget*>("TF6MainForm"))
        preview = w;
    ASSERT_NE(preview, nullptr) << "the preview stays open after the report form is freed";
    ASSERT_FALSE(window->windowTitle().isEmpty());
    EXPECT_TRUE(preview->windowTitle().startsWith(window->windowTitle() + " - ")) << preview->windowTitle().toStdString();
    // The list's form stays while its preview is open, for the pages still to be laid out, and goes with it.
    EXPECT_EQ(window->findChildren<TransferListReport*>().size(), 1);
    preview->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    EXPECT_TRUE(window->findChildren<TransferListReport*>().isEmpty());

    // Format description.
    QString description;
    automation.onModal([&description](MForm& form) {
        description = form.component<QPlainTextEdit>("MMemo1")->toPlainText();
        return int(mrCancel);
    });
    window->component<QToolButton>("Rem")->click();
    EXPECT_TRUE(description.contains("SALARY.TXT"));
    report::SetPdfOutputPath(QString());
}

// A selection the clerk cancels half way leaves a table that says it is incomplete, and the next
// export selects again: the bank never gets the employees taken in before the cancel alone.
TEST_F(TransferWindowTest, AnExportAfterACancelledBuildSelectsAgain)
{
    constexpr int Employees = 6000;
    company.exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                                "INSERT INTO MF_YG (YG_NO, NAME, PAY_MTH, BACC1_NO, DEP) "
                                "SELECT printf('X%05d', i), '員工', '2', printf('0041%08d', i), 'A01' FROM n").arg(Employees));
    company.exec("INSERT INTO TF_FS1 (FS_NO, YG_NO, DEP, AMTN_NET, BIL_NO) SELECT 'R1', YG_NO, 'A01', 100, '' FROM MF_YG WHERE YG_NO LIKE 'X%'");
    company.setBankRow("10", "012", "7");
    const QString file = company.path("SALARY.TXT");
    exportTo(file);
    ASSERT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    const QByteArray whole = ReadFileBytes(file);
    ASSERT_FALSE(whole.isEmpty());
    const int selected = window->transferCount();
    ASSERT_GT(selected, Employees);

    // F3, cancelled as soon as the progress window is there, before its first employee is taken in.
    auto* progress = window->findChild<MProgressForm*>();
    progress->SetShowDelay(0);
    QTimer canceller;
    QObject::connect(&canceller, &QTimer::timeout, [progress] {
        if (progress->Showing())
            progress->component<QPushButton>("Btn_Cancel")->click();
    });
    canceller.start(0);
    run(cmdBuildTable);
    canceller.stop();
    ASSERT_LT(window->transferCount(), selected) << "the build was not cancelled half way";
    EXPECT_TRUE(window->component<TFunctionButtons>("FunctionButtons1")->NeedRebuild);
    table().last();
    EXPECT_EQ(table().fieldText("BACC_NO"), LoadFormResourceStr("WAGBK", 10139)) << "the grid says the table is incomplete";

    ASSERT_TRUE(QFile::remove(file));
    run(cmdExport);
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    EXPECT_EQ(ReadFileBytes(file), whole);
}

// Changed dates or F2 conditions mark the table on screen as stale until F3 builds it again.
TEST_F(TransferWindowTest, ChangedConditionsMarkTheTableStaleTheTransferDateAloneKeepsIt)
{
    const QString stale = LoadFormResourceStr("WAGBK", 15942);
    auto* toolbar = window->component<TFunctionButtons>("FunctionButtons1");
    EXPECT_EQ(status(), "") << "nothing built yet, nothing stale";
    run(cmdBuildTable);
    window->component<QLineEdit>("ZZ_DD")->setText("115/04/01");
    EXPECT_FALSE(toolbar->NeedRebuild);
    EXPECT_EQ(status(), "");
    window->component<QLineEdit>("B_DD")->setText("115/02/01");
    EXPECT_TRUE(toolbar->NeedRebuild);
    EXPECT_EQ(status(), stale);
    run(cmdBuildTable);
    EXPECT_EQ(status(), "");
    automation.onModal([](MForm& panel) {
        panel.component<QComboBox>("COM_SORT")->setCurrentIndex(1);
        panel.component<QPushButton>("Btn_F8")->click();
        return int(mrOk);
    });
    run(cmdConditions);
    EXPECT_EQ(status(), stale);
}

TEST_F(TransferWindowTest, ExportWithAnEmptyDateFillsInToday)
{
    window->component<QLineEdit>("ZZ_DD")->clear();
    automation.onModal([](MForm&) { return int(mrCancel); });
    run(cmdExport);
    EXPECT_EQ(window->component<QLineEdit>("ZZ_DD")->text(), "115/03/01");
}

TEST_F(TransferWindowTest, RightsComeBackEvenWhenTheDialogFails)
{
    auto* toolbar = window->component<TFunctionButtons>("FunctionButtons1");
    toolbar->SetRights("YYYYY");
    automation.onModal([toolbar](MForm&) -> int {
        toolbar->SetRights("NNNNN");
        throw std::runtime_error("dialog failed");
    });
    run(cmdBankParameters);
    QApplication::processEvents();
    EXPECT_EQ(toolbar->RightsText(), "YYYYY");
    EXPECT_EQ(errors, QStringList{"dialog failed"});
}

TEST_F(TransferWindowTest, AnImpossiblePayDateNamesTheField)
{
    window->component<QLineEdit>("B_DD")->setText("115/02/30");
    run(cmdBuildTable);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors.first().contains(LoadFormResourceStr("WAGBK", 10001))) << errors.first().toStdString();
}

TEST_F(TransferWindowTest, WithoutAnyPrinterTheWindowSaysSoAndPrintsNothing)
{
    RuntimeConfig config = CurrentConfig();
    config.pdfPrinter = false;
    config.printer.clear();
    SetCurrentConfig(config);
    if (report::HasPrinter())
        GTEST_SKIP() << "this machine has a printer of its own";
    run(cmdPreview);
    EXPECT_EQ(messages.last(), LoadFormResourceStr("F2FORM", 19000));
    EXPECT_EQ(window->component<TFunctionButtons>("FunctionButtons1")->NeedRebuild, true) << "nothing was selected";
}

TEST_F(TransferWindowTest, NothingToPrintSaysSo)
{
    window->component<QLineEdit>("BYg_No")->setText("X");
    run(cmdPreview);
    EXPECT_EQ(messages.last(), LoadFormResourceStr("WAGBK", 10083));
}

// F3 that selects nothing says why in the status bar, and a later build that selects clears it.
TEST_F(TransferWindowTest, AnEmptyBuildSaysWhyInTheStatusBar)
{
    const QString none = LoadFormResourceStr("WAGBK", 15940);
    window->component<QLineEdit>("B_DD")->setText("115/01/01");
    window->component<QLineEdit>("E_DD")->setText("115/01/31");
    run(cmdBuildTable);
    EXPECT_EQ(status(), none.arg("115/01/01", "115/01/31"));
    window->component<QLineEdit>("E_DD")->setText("115/03/31");
    run(cmdBuildTable);
    EXPECT_EQ(status(), "");
    company.exec("UPDATE MF_YG SET PAY_MTH = '9'");
    run(cmdBuildTable);
    EXPECT_EQ(status(), none.arg("115/01/01", "115/03/31")) << "nothing paid by transfer";
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();

    // Bank 18 without its weight names the missing weight, as its export does.
    TWagbk18Form* bank18 = Create<TWagbk18Form>(nullptr);
    bank18->setAttribute(Qt::WA_DontShowOnScreen);
    bank18->show();
    bank18->component<TFunctionButtons>("FunctionButtons1")->RunCommand(cmdBuildTable);
    EXPECT_EQ(bank18->component<QStatusBar>("StatusBar")->currentMessage(), LoadFormResourceStr("WAGBK", 15002));
    bank18->Release();
}

// Bank 10 writes its branch and customer codes: while they are empty the export asks once, before
// anything is written, whether to go on, to open the bank parameters, or to stop.
TEST_F(TransferWindowTest, EmptyBankParametersAreAskedAboutOnceBeforeWriting)
{
    const QString question = LoadFormResourceStr("WAGBK", 15970);
    const struct {
        int answer;
        bool written;
        bool parametersOpened;
    } cases[] = {{mrYes, true, false}, {mrNo, false, true}, {mrCancel, false, false}};
    for (const auto& c : cases) {
        const QString file = company.path(QString("SALARY%1.TXT").arg(c.answer));
        int asked = 0;
        QString named;
        automation.onMessage([&](const MessageRequest& m) {
            if (!m.text.startsWith(question))
                return int(mrOk);
            ++asked;
            named = m.text;
            return c.answer;
        });
        bool parametersOpened = false;
        automation.onModal([&](MForm& dialog) {
            if (!dynamic_cast<ExportDialog*>(&dialog)) {
                parametersOpened = dialog.findChild<QLineEdit*>("ID1_10") != nullptr;
                return int(mrCancel);
            }
            dialog.component<QLineEdit>("PathFile")->setText(file);
            dialog.component<QPushButton>("Btn_F8")->click();
            return int(mrCancel);
        });
        run(cmdExport);
        EXPECT_EQ(asked, 1) << c.answer;
        EXPECT_TRUE(named.contains("ID1") && named.contains("ID2")) << named.toStdString();
        EXPECT_EQ(QFileInfo::exists(file), c.written) << c.answer;
        EXPECT_EQ(parametersOpened, c.parametersOpened) << c.answer;
    }

    // With both codes set nothing is asked.
    company.setBankRow("10", "012", "7");
    int asked = 0;
    automation.onMessage([&](const MessageRequest& m) { return asked += m.text.startsWith(question), int(mrOk); });
    exportTo(company.path("SET.TXT"));
    EXPECT_EQ(asked, 0);
    EXPECT_TRUE(QFileInfo::exists(company.path("SET.TXT")));
}

// A path that names a folder opens the save dialog at F8; the export goes on with the file chosen
// there, and a cancelled dialog writes nothing and says nothing.
TEST_F(TransferWindowTest, APathThatNamesAFolderAsksForTheFile)
{
    company.setBankRow("10", "012", "7");
    for (const bool chosen : {false, true}) {
        const QString file = company.path(chosen ? "CHOSEN.TXT" : "NONE.TXT");
        automation.onFileDialog([&](QString& name, const QString&) {
            name = file;
            return chosen;
        });
        messages.clear();
        exportTo(company.path(QString()));
        EXPECT_EQ(QFileInfo::exists(file), chosen);
        EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
        // Written: the bank's first logged file says it has nothing to compare with, then it is done.
        EXPECT_EQ(messages.size(), chosen ? 2 : 0) << messages.join('\n').toStdString();
    }
}

// The keyboard: a bad date at F3 puts the focus on its field; Tab leaves the grid.
TEST_F(TransferWindowTest, TheFocusGoesToABadDateAndTabLeavesTheGrid)
{
    window->component<QLineEdit>("BYg_No")->setFocus();
    window->component<QLineEdit>("E_DD")->setText("115/02/30");
    run(cmdBuildTable);
    EXPECT_EQ(errors.size(), 1);
    EXPECT_EQ(window->focusWidget(), window->component<QLineEdit>("E_DD"));

    auto* grid = window->findChild<QTableView*>("MBBDBGrid1");
    window->component<QLineEdit>("E_DD")->setText("115/03/31");
    run(cmdBuildTable);
    for (const Qt::KeyboardModifier modifier : {Qt::NoModifier, Qt::ShiftModifier}) {
        grid->setFocus();
        grid->setCurrentIndex(grid->model()->index(0, 0));
        QKeyEvent tab(QEvent::KeyPress, modifier == Qt::ShiftModifier ? Qt::Key_Backtab : Qt::Key_Tab, modifier);
        QApplication::sendEvent(grid, &tab);
        EXPECT_NE(window->focusWidget(), grid) << modifier;
    }
}

// A window already open takes a new language: its caption, condition labels, toolbar and grid headings.
TEST_F(TransferWindowTest, AnOpenWindowTakesTheNewLanguage)
{
    run(cmdBuildTable);
    auto switchTo = [](int language) {
        Language::LanguageID = language;
        InitLanguage();
        for (QWidget* widget : QApplication::allWidgets()) {
            QEvent change(QEvent::LanguageChange);
            QApplication::sendEvent(widget, &change);
        }
    };
    switchTo(2);
    QStringList labels;
    for (const QLabel* label : window->findChildren<QLabel*>())
        labels << label->text();
    const QString caption = window->windowTitle();
    const QString build = window->component<TFunctionButtons>("FunctionButtons1")->Button(cmdBuildTable)->text();
    const QString heading = window->findChild<QTableView*>("MBBDBGrid1")->model()->headerData(0, Qt::Horizontal).toString();
    switchTo(1);
    EXPECT_EQ(caption, "Bank of Taiwan");
    EXPECT_TRUE(labels.contains("Pay dates from/to")) << labels.join('|').toStdString();
    EXPECT_EQ(build, "F3 Build");
    EXPECT_EQ(heading, "Account");
    EXPECT_EQ(window->windowTitle(), LoadFormResourceStr("WAGBK", 11009));
}

// Another user holds the database's write lock: saving the conditions or the bank parameters waits a
// moment, then says the database is busy. Nothing is half saved, and once the lock is gone the same
// window saves both.
TEST_F(TransferWindowTest, ALockedDatabaseRefusesTheSavesWholeAndTheWindowGoesOn)
{
    db::ConnectionSettings settings = db::Session::Default()->database("RurIzov").settings();
    settings.busyTimeoutMs = 100;
    db::Session::Default()->addDatabase("RurIzov", settings);
    QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "other-user");
    other.setDatabaseName(company.databaseFile());
    ASSERT_TRUE(other.open());
    ASSERT_TRUE(QSqlQuery(other).exec("BEGIN IMMEDIATE"));

    auto saveConditions = [this] {
        automation.onModal([](MForm& panel) {
            panel.component<QComboBox>("COM_SORT")->setCurrentIndex(1);
            panel.component<QPushButton>("Btn_F8")->click();
            return int(mrOk);
        });
        run(cmdConditions);
    };
    auto saveParameters = [this] {
        automation.onModal([](MForm& dialog) {
            dialog.component<QLineEdit>("ID1_10")->setText("012");
            dialog.component<QPushButton>("Btn_F8")->click();
            return int(mrOk);
        });
        run(cmdBankParameters);
    };
    const QString busy = LoadFormResourceStr("RAR1HOST", 302).section("%1", 1);
    saveConditions();
    saveParameters();
    ASSERT_EQ(errors.size(), 2) << errors.join('\n').toStdString();
    EXPECT_TRUE(errors[0].contains(busy)) << errors[0].toStdString();
    EXPECT_TRUE(errors[1].contains(busy)) << errors[1].toStdString();
    EXPECT_EQ(company.scalar("SELECT count(*) FROM BANK1").toInt(), 0);

    QSqlQuery(other).exec("ROLLBACK");
    other.close();
    other = QSqlDatabase();
    QSqlDatabase::removeDatabase("other-user");
    errors.clear();
    saveConditions();
    saveParameters();
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    EXPECT_EQ(company.scalar("SELECT ID2 FROM BANK1 WHERE BNK_NO='0'").toString(), "1");
    EXPECT_EQ(company.scalar("SELECT ID1 FROM BANK1 WHERE BNK_NO='10'").toString(), "012");
}

// A column or a table the window needs is missing: the window names it, writes nothing half and
// keeps what it showed.
TEST_F(TransferWindowTest, AMissingColumnIsNamedAndNothingIsHalfSaved)
{
    run(cmdBuildTable);
    ASSERT_EQ(window->transferCount(), 2);
    automation.onModal([](MForm& panel) {
        panel.component<QComboBox>("COM_BACC")->setCurrentIndex(1);
        panel.component<QPushButton>("Btn_F8")->click();
        return int(mrOk);
    });
    run(cmdConditions);
    ASSERT_TRUE(errors.isEmpty());

    company.exec("ALTER TABLE BANK1 DROP COLUMN ID4");
    automation.onModal([](MForm& panel) {
        panel.component<QComboBox>("COM_BACC")->setCurrentIndex(2);
        panel.component<QComboBox>("COM_SORT")->setCurrentIndex(1);
        panel.component<QPushButton>("Btn_F8")->click();
        return int(mrOk);
    });
    run(cmdConditions);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors.first().contains("ID4")) << errors.first().toStdString();
    EXPECT_EQ(company.scalar("SELECT ID2 || ID3 FROM BANK1 WHERE BNK_NO='0'").toString(), "01") << "the row as saved before";

    company.exec("ALTER TABLE MF_YG DROP COLUMN PAY_MTH");
    run(cmdBuildTable);
    ASSERT_EQ(errors.size(), 2);
    EXPECT_TRUE(errors.last().contains("PAY_MTH")) << errors.last().toStdString();
    EXPECT_EQ(table().recordCount(), 3) << "the rows shown before stay";
}

// The saved conditions keep the regular-salary label in the language that saved them; a window in
// another language still selects the regular salary from them.
TEST_F(TransferWindowTest, SavedCategoriesOfAnotherLanguageKeepTheRegularSalary)
{
    for (const QString& label : {QStringLiteral("正常薪资"), QStringLiteral("Regular salary"), QStringLiteral("正常薪資")}) {
        company.exec("DELETE FROM BANK1");
        company.exec(QStringLiteral("INSERT INTO BANK1 (BNK_NO, ID1, ID2, ID3, ID4, NAME, FILENAME) "
                                    "VALUES ('0', '1', '0', '0', 'F', '%1;年終獎金', '0000')").arg(label));
        TWagbk10Form* other = Create<TWagbk10Form>(nullptr);
        other->setAttribute(Qt::WA_DontShowOnScreen);
        other->show();
        QApplication::processEvents();
        other->component<TFunctionButtons>("FunctionButtons1")->RunCommand(cmdBuildTable);
        EXPECT_EQ(other->conditions().SalaryKinds, "正常薪資;年終獎金") << label.toStdString();
        EXPECT_EQ(other->transferCount(), 2) << label.toStdString();
        EXPECT_EQ(other->transferTotal(), 76000) << label.toStdString();
        other->Release();
    }
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

} // namespace

// A selection slowed on purpose: its employees are read through a view that first counts to a
// number large enough to keep the engine busy for half a minute.
static void SlowTheSelection(TestCompany& company)
{
    company.exec("ALTER TABLE MF_YG RENAME TO MF_YG_KEPT");
    company.exec("CREATE VIEW MF_YG AS SELECT * FROM MF_YG_KEPT WHERE (WITH RECURSIVE n(i) AS "
                 "(SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 300000000) SELECT COUNT(*) FROM n) > 0");
}

TEST_F(TransferWindowTest, TheProgressWindowShowsDuringTheSelectionAndItsCancelOrEscStopsIt)
{
    SlowTheSelection(company);
    auto* progress = window->findChild<MProgressForm*>();
    for (const bool byEscape : {false, true}) {
        SCOPED_TRACE(byEscape ? "Esc" : "Cancel");
        QElapsedTimer clock;
        qint64 shownAt = -1, cancelledAt = -1;
        QString shownText;
        int shownMaximum = -1;
        QPoint shownCentre;
        QTimer watcher;
        QObject::connect(&watcher, &QTimer::timeout, [&] {
            if (shownAt >= 0 || !progress->isVisible())
                return;
            shownAt = clock.elapsed();
            shownText = progress->Text();
            shownMaximum = progress->MaxValue();
            shownCentre = progress->frameGeometry().center();
            cancelledAt = clock.elapsed();
            if (byEscape)
                QTest::keyClick(progress, Qt::Key_Escape);
            else
                progress->component<QPushButton>("Btn_Cancel")->click();
        });
        watcher.start(5);
        clock.start();
        run(cmdBuildTable);
        const qint64 endedAt = clock.elapsed();
        watcher.stop();

        ASSERT_GE(shownAt, 0) << "the progress window never showed";
        EXPECT_GE(shownAt, MProgressForm::ShowDelayMs);
        EXPECT_EQ(shownText, LoadFormResourceStr("WAGBK", 10097)) << "the window says the salaries are being selected";
        EXPECT_EQ(shownMaximum, 0) << "a moving bar while the statement runs";
        EXPECT_LE((shownCentre - window->frameGeometry().center()).manhattanLength(), 8) << "centred over the bank's window";
        // The slowed statement runs for far longer than this when nothing stops it.
        EXPECT_LT(endedAt - cancelledAt, 5000) << "the statement went on after the cancel";
        EXPECT_FALSE(progress->isVisible());
        EXPECT_TRUE(window->component<TFunctionButtons>("FunctionButtons1")->NeedRebuild);
        ASSERT_EQ(table().recordCount(), 1);
        EXPECT_EQ(table().fieldText("BACC_NO"), LoadFormResourceStr("WAGBK", 10139)) << "the grid says the table is incomplete";
        EXPECT_EQ(status(), LoadFormResourceStr("WAGBK", 10139)) << "and so does the status bar, not that the conditions changed";
        EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    }
}
