#include "main_window.h"

#include "desktop_settings.h"
#include "import_menu.h"
#include "open_database.h"

#include "runtime/bank_names.h"
#include "mdi_child_host.h"

#include "runtime/compdata.h"
#include "runtime/host_texts.h"
#include "runtime/language.h"
#include "runtime/mdichild.h"
#include "runtime/ui/function_buttons.h"
#include "runtime/ui/guarded.h"
#include "runtime/ui/messages.h"
#include "runtime/ui/mform.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>

namespace {

// The database as the clerk knows it: the company file, or the SQL Server database or data source
// named in the connection (never the whole connection, which may hold a password).
QString DatabaseOf(const RuntimeConfig& config)
{
    if (config.engine != u"sqlserver")
        return config.companyDb;
    for (const QString& part : config.odbc.split(u';', Qt::SkipEmptyParts)) {
        const QString key = part.section(u'=', 0, 0).trimmed().toUpper();
        if (key == u"DATABASE" || key == u"DSN")
            return QStringLiteral("SQL Server ") + part.section(u'=', 1).trimmed();
    }
    return QStringLiteral("SQL Server");
}

// A menu's title with its access key: the key's letter marked where a Latin title has it, else
// "(&K)" after the title, as Chinese menus show it.
QString WithMnemonic(const QString& title, QChar key)
{
    const qsizetype at = title.indexOf(key, 0, Qt::CaseInsensitive);
    if (at >= 0)
        return QString(title).insert(at, u'&');
    return title + QStringLiteral("(&") + key + u')';
}

} // namespace

MainWindow::MainWindow(const RuntimeConfig& config, const QString& modulePath)
    : config_(config), area_(new QMdiArea(this)), companyStatus_(new QLabel(this)), databaseStatus_(new QLabel(this)),
      languageStatus_(new QLabel(this))
{
    setCentralWidget(area_);
    // Most of the screen, so that a bank window fits with its conditions, toolbar and rows.
    resize(screen()->availableSize() * 9 / 10);
    // Below this a bank window's conditions, toolbar and rows no longer fit.
    setMinimumSize(800, 560);
    for (QLabel* label : {companyStatus_, databaseStatus_, languageStatus_})
        statusBar()->addWidget(label);
    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    Language::LanguageID = config_.language;
    InitLanguage();
    module_ = std::make_unique<ModuleLibrary>(modulePath);
    SetRunMDIChildHandler([this](const FormClass& formClass, MForm** windowVar, const QString&) {
        OpenMdiChild(*area_, formClass, windowVar, places_);
    });
    SetHostErrorHandler([](const QString& message) { ShowError(message); });
    setWindowTitle(HostText(120));
    // F10 opens the menu bar, as in the clerk's other programs.
    auto* menuKey = new QShortcut(QKeySequence(Qt::Key_F10), this);
    menuKey->setContext(Qt::ApplicationShortcut);
    connect(menuKey, &QShortcut::activated, this, [this] {
        if (!menuBar()->actions().isEmpty()) {
            menuBar()->setFocus(Qt::ShortcutFocusReason);
            menuBar()->setActiveAction(menuBar()->actions().first());
        }
    });
    try {
        handOverCompany();
    } catch (const std::exception& e) {
        startError_ = QString::fromUtf8(e.what());
    }
    buildMenus();
}

MainWindow::~MainWindow()
{
    // The module's windows go before the module is told to exit.
    for (QMdiSubWindow* frame : area_->subWindowList())
        delete frame;
    module_.reset();
    SetRunMDIChildHandler(nullptr);
    SetHostErrorHandler(nullptr);
}

void MainWindow::handOverCompany()
{
    auto record = CompanyRecordFor(config_, QStringLiteral("ALLDATA"));
    module_->SetCompanyData(record->data());
    // The module now reads the new record; the previous one may go.
    record_ = std::move(record);
    setWindowTitle(HostText(120) + QStringLiteral(" - ") + Compdata::CompanyName());
    showStatus();
}

void MainWindow::showStatus()
{
    companyStatus_->setText(HostText(400).arg(Compdata::CompanyNumber(), Compdata::CompanyName()));
    databaseStatus_->setText(HostText(401).arg(DatabaseOf(config_)));
    languageStatus_->setText(HostText(402).arg(HostText(110 + qBound(0, config_.language, 2))));
}

QStringList MainWindow::StatusTexts() const
{
    return {companyStatus_->text(), databaseStatus_->text(), languageStatus_->text()};
}

void MainWindow::buildMenus()
{
    menuBar()->clear();
    QMenu* system = menuBar()->addMenu(WithMnemonic(HostText(103), u'S'));
    system->addAction(HostText(700), this, &MainWindow::OpenDatabase)->setObjectName(QStringLiteral("OpenDatabase"));
    AddCompanyDataItems(system, this, config_, [this](bool newDatabase) {
        if (newDatabase)
            CloseAllWindows();
        RunGuarded([this] { handOverCompany(); });
    });
    system->addAction(HostText(104), this, &QWidget::close);

    QMenu* banks = menuBar()->addMenu(WithMnemonic(HostText(100), u'B'));
    for (int bank = 1; bank <= BankCount; ++bank)
        banks->addAction(BankMenuCaption(bank), this, [this, bank] { OpenBank(bank); })->setData(bank);
    // The active bank window's parameters, which only its F4 key reaches otherwise.
    banks->addSeparator();
    QAction* parameters = banks->addAction(LoadFormResourceStr(QStringLiteral("WAGBK"), 10043) + QStringLiteral("...\tF4"), this,
                                           &MainWindow::OpenBankParameters);
    parameters->setObjectName(QStringLiteral("BankParameters"));
    connect(banks, &QMenu::aboutToShow, this, [this, parameters] { parameters->setEnabled(activeToolbar() != nullptr); });
    // The open windows by the bank's number and kind of file: several banks share a name or a caption.
    QMenu* windows = menuBar()->addMenu(WithMnemonic(HostText(108), u'W'));
    connect(windows, &QMenu::aboutToShow, this, [this, windows] {
        windows->clear();
        for (QMdiSubWindow* frame : area_->subWindowList()) {
            const int bank = frame->property("bank").toInt();
            const QString caption = bank > 0 ? BankMenuCaption(bank) + QStringLiteral(" - ") + frame->windowTitle()
                                             : frame->windowTitle();
            QAction* action = windows->addAction(caption, area_, [this, frame] { area_->setActiveSubWindow(frame); });
            action->setCheckable(true);
            action->setChecked(frame == area_->activeSubWindow());
        }
    });

    QMenu* company = menuBar()->addMenu(WithMnemonic(HostText(101), u'C'));
    company->addAction(HostText(107), this, &MainWindow::askForCompany);

    QMenu* language = menuBar()->addMenu(WithMnemonic(HostText(102), u'L'));
    for (int id = 0; id <= 2; ++id) {
        QAction* action = language->addAction(HostText(110 + id), this, [this, id] { SwitchLanguage(id); });
        action->setCheckable(true);
        action->setChecked(id == config_.language);
    }
}

void MainWindow::OpenBank(int bank)
{
    RunGuarded([this, bank] {
        // The module opens no window before it has the company: without one the clerk is offered
        // another database rather than the same error again.
        if (!record_) {
            try {
                handOverCompany();
            } catch (const std::exception& e) {
                if (MessageDlg(HostText(704).arg(QString::fromUtf8(e.what())), MsgType::Confirmation, mbYes | mbNo) == mrYes)
                    OpenDatabase();
                return;
            }
        }
        module_->DoWagBK(bank);
        if (QMdiSubWindow* frame = area_->activeSubWindow(); frame && !frame->property("bank").isValid())
            frame->setProperty("bank", bank);
    });
}

TFunctionButtons* MainWindow::activeToolbar() const
{
    QMdiSubWindow* frame = area_->activeSubWindow();
    if (!frame || !frame->widget())
        return nullptr;
    auto* toolbar = frame->widget()->findChild<TFunctionButtons*>();
    return toolbar && toolbar->CommandEnabled(cmdBankParameters) ? toolbar : nullptr;
}

void MainWindow::OpenBankParameters()
{
    if (TFunctionButtons* toolbar = activeToolbar())
        toolbar->RunCommand(cmdBankParameters);
}

void MainWindow::OfferAnotherDatabase(const QString& error)
{
    if (MessageDlg(error + QStringLiteral("\n\n") + HostText(703), MsgType::Error, mbYes | mbNo) == mrYes)
        OpenDatabase();
}

void MainWindow::OpenDatabase()
{
    const QString database = AskForDatabase(this, config_.companyDb);
    if (!database.isEmpty())
        UseDatabase(database);
}

void MainWindow::UseDatabase(const QString& database)
{
    RunGuarded([this, database] {
        RuntimeConfig next = config_;
        next.companyDb = database;
        CloseAllWindows();
        const RuntimeConfig previous = std::exchange(config_, next);
        try {
            ConnectDatabases(config_);
            SetCurrentConfig(config_);
            handOverCompany();
        } catch (...) {
            // The database that worked before stays; one that did not is still offered at the next bank.
            config_ = previous;
            ConnectDatabases(config_);
            SetCurrentConfig(config_);
            throw;
        }
        startError_.clear();
        RememberDatabase(database);
    });
}

void MainWindow::askForCompany()
{
    bool ok = false;
    const QString company = QInputDialog::getText(this, HostText(107), HostText(101), QLineEdit::Normal, config_.company, &ok);
    if (ok && !company.trimmed().isEmpty())
        SwitchCompany(company.trimmed());
}

void MainWindow::SwitchCompany(const QString& company)
{
    RunGuarded([this, company] {
        RuntimeConfig next = config_;
        next.company = company;
        const RuntimeConfig previous = std::exchange(config_, next);
        try {
            handOverCompany();
        } catch (...) {
            config_ = previous;
            throw;
        }
    });
}

void MainWindow::SwitchLanguage(int language)
{
    RunGuarded([this, language] {
        config_.language = language;
        SetCurrentConfig(config_);
        RememberLanguage(language);
        Language::LanguageID = language;
        InitLanguage();
        buildMenus();
        // The windows already open take the new language as well.
        for (QWidget* widget : QApplication::allWidgets()) {
            QEvent change(QEvent::LanguageChange);
            QCoreApplication::sendEvent(widget, &change);
        }
        handOverCompany();
    });
}

QStringList MainWindow::OpenWindowTitles() const
{
    QStringList titles;
    for (const QMdiSubWindow* frame : area_->subWindowList())
        titles << frame->windowTitle();
    return titles;
}

QList<QRect> MainWindow::OpenWindowPlaces() const
{
    QList<QRect> places;
    for (const QMdiSubWindow* frame : area_->subWindowList())
        places << frame->geometry();
    return places;
}

void MainWindow::CloseAllWindows()
{
    area_->closeAllSubWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    area_->closeAllSubWindows();
    if (!area_->subWindowList().isEmpty()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}
