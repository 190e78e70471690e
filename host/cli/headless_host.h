#pragma once
// The command-line host: loads the payroll module like the desktop host, but creates its windows
// off screen and answers their dialogs and messages through the runtime's automation seam.
#include "runtime/config.h"
#include "runtime/module_library.h"
#include "runtime/ui/automation.h"

#include <QPointer>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

#include "runtime/ui/mform.h"

class HeadlessHost {
public:
    explicit HeadlessHost(const RuntimeConfig& config);
    ~HeadlessHost();

    // Opens bank `bank`'s transfer window; raises with the module's message when it cannot.
    MForm& OpenBank(int bank);
    // Runs a toolbar command of the window as its key would.
    void RunCommand(MForm& window, int code);

    // How modal forms are answered while the next actions run (object name or class decides).
    void onModal(ModalHandler handler) { guard_.onModal(std::move(handler)); }
    // The answer to a confirmation (overwrite the file?); other messages are acknowledged.
    void setConfirmAnswer(int answer) { confirmAnswer_ = answer; }
    // The answer to a list put up for review that asks whether to go on (changed accounts); Cancel
    // unless set. Lists that only show are acknowledged.
    void setGoOnAnswer(int answer) { goOnAnswer_ = answer; }

    // Messages the windows showed, and the errors among them, in order.
    const QStringList& messages() const { return messages_; }
    const QStringList& errors() const { return errors_; }
    const QStringList& refusedConfirmations() const { return refused_; }
    // The lists put up for review, and those among them whose question was answered Cancel.
    const QStringList& reviewed() const { return reviewed_; }
    const QStringList& declined() const { return declined_; }

private:
    void start();
    RuntimeConfig config_;
    AutomationGuard guard_;
    std::unique_ptr<Compdata::CompanyRecordBuilder> record_;
    std::unique_ptr<ModuleLibrary> module_;
    std::vector<QPointer<MForm>> windows_;
    MForm* lastOpened_ = nullptr;
    QStringList messages_, errors_, refused_, reviewed_, declined_;
    int confirmAnswer_ = 0;
    int goOnAnswer_ = mrCancel;
};
