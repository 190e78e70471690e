#include "headless_host.h"

#include "runtime/db/database.h"
#include "runtime/language.h"
#include "runtime/mdichild.h"
#include "runtime/ui/function_buttons.h"
#include "runtime/ui/mform.h"

#include <stdexcept>

HeadlessHost::HeadlessHost(const RuntimeConfig& config)
    : config_(config)
{
    try {
        start();
    } catch (...) {
        // No destructor runs for a host that failed to start: nothing may keep pointing at it.
        SetRunMDIChildHandler(nullptr);
        SetHostErrorHandler(nullptr);
        module_.reset();
        db::Session::DestroyDefault();
        throw;
    }
}

void HeadlessHost::start()
{
    // Messages before the module has the company (a database that cannot be opened) are in the
    // configured language as well.
    Language::LanguageID = config_.language;
    InitLanguage();
    SetCurrentConfig(config_);
    ConnectDatabases(config_);
    SetHostErrorHandler([this](const QString& message) { errors_ << message; });
    SetRunMDIChildHandler([this](const FormClass& formClass, MForm** windowVar, const QString&) {
        if (!*windowVar) {
            MForm* window = formClass.create(nullptr);
            window->setAttribute(Qt::WA_DontShowOnScreen);
            window->setUpdatesEnabled(false);
            QObject::connect(window, &QObject::destroyed, [windowVar] { *windowVar = nullptr; });
            *windowVar = window;
            windows_.push_back(window);
        }
        (*windowVar)->show();
        lastOpened_ = *windowVar;
    });
    guard_.onMessage([this](const MessageRequest& request) {
        if (request.review) {
            reviewed_ << request.text;
            if (request.goOn.isEmpty())
                return int(mrOk);
            if (goOnAnswer_ != mrOk)
                declined_ << request.text;
            return goOnAnswer_ == mrOk ? int(mrOk) : int(mrCancel);
        }
        messages_ << request.text;
        if (request.type == MsgType::Error)
            errors_ << request.text;
        if (request.type == MsgType::Confirmation && (request.buttons & mbCancel)) {
            if (confirmAnswer_ != mrOk)
                refused_ << request.text;
            return confirmAnswer_ == mrOk ? int(mrOk) : int(mrCancel);
        }
        return (request.buttons & mbOK) ? int(mrOk) : int(mrYes);
    });
    guard_.onModal([](MForm&) { return int(mrCancel); });

    record_ = CompanyRecordFor(config_);
    module_ = std::make_unique<ModuleLibrary>();
    module_->SetCompanyData(record_->data());
}

HeadlessHost::~HeadlessHost()
{
    for (const QPointer<MForm>& window : windows_) {
        if (window)
            window->Release();
    }
    module_.reset();
    db::Session::DestroyDefault();
    SetRunMDIChildHandler(nullptr);
    SetHostErrorHandler(nullptr);
}

MForm& HeadlessHost::OpenBank(int bank)
{
    const int errorsBefore = int(errors_.size());
    lastOpened_ = nullptr;
    module_->DoWagBK(bank);
    if (errors_.size() > errorsBefore || !lastOpened_)
        throw std::runtime_error(errors_.isEmpty() ? "the bank's window did not open" : errors_.last().toStdString());
    return *lastOpened_;
}

void HeadlessHost::RunCommand(MForm& window, int code)
{
    window.component<TFunctionButtons>(QStringLiteral("FunctionButtons1"))->RunCommand(code);
}
