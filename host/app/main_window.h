#pragma once
// The desktop host's main window: an MDI area for the module's windows, the "銀行" menu with the
// 28 banks, the company and language menus that hand the module a new company context, and a
// status bar that names the company, the database and the language.
#include "window_places.h"

#include "runtime/config.h"
#include "runtime/module_library.h"

#include <QMainWindow>
#include <QStringList>
#include <memory>

class QLabel;
class QMdiArea;
class TFunctionButtons;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Loads the module from `modulePath` and hands it the configured company. Raises
    // std::runtime_error when the module cannot be loaded. A company that cannot be had (a database
    // that is missing or broken) leaves the window usable: StartError() says why, and every bank
    // command tries the company again and shows what still stands in the way.
    MainWindow(const RuntimeConfig& config, const QString& modulePath);
    ~MainWindow() override;

    const QString& StartError() const { return startError_; }

    void OpenBank(int bank);
    // File > Open company database ...: the clerk names another database; it is used and
    // remembered for the next start when its company can be had.
    void OpenDatabase();
    void UseDatabase(const QString& database);
    // The error that kept the company from the window, with the offer to open another database.
    void OfferAnotherDatabase(const QString& error);
    // The bank parameters (F4) of the active bank window; nothing without one.
    void OpenBankParameters();
    void SwitchCompany(const QString& company);
    void SwitchLanguage(int language);
    QStringList OpenWindowTitles() const;
    // The size and place of each open window in the MDI area, in the order of OpenWindowTitles.
    QList<QRect> OpenWindowPlaces() const;
    QStringList StatusTexts() const;
    void CloseAllWindows();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void handOverCompany();
    void buildMenus();
    void askForCompany();
    void showStatus();
    // The toolbar of the active bank window when it offers the bank parameters; null otherwise.
    TFunctionButtons* activeToolbar() const;

    RuntimeConfig config_;
    QMdiArea* area_;
    WindowPlaces places_;
    QLabel* companyStatus_;
    QLabel* databaseStatus_;
    QLabel* languageStatus_;
    std::unique_ptr<ModuleLibrary> module_;
    std::unique_ptr<Compdata::CompanyRecordBuilder> record_;
    QString startError_;
};
