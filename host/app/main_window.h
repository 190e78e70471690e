#pragma once
// The desktop host's main window: an MDI area for the module's windows, the "銀行" menu with the
// 28 banks, and the company and language menus that hand the module a new company context.
#include "runtime/config.h"
#include "runtime/module_library.h"

#include <QMainWindow>
#include <QStringList>
#include <memory>

class QMdiArea;

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
    void SwitchCompany(const QString& company);
    void SwitchLanguage(int language);
    QStringList OpenWindowTitles() const;
    void CloseAllWindows();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void handOverCompany();
    void buildMenus();
    void askForCompany();

    RuntimeConfig config_;
    QMdiArea* area_;
    std::unique_ptr<ModuleLibrary> module_;
    std::unique_ptr<Compdata::CompanyRecordBuilder> record_;
    QString startError_;
};
