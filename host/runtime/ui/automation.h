#pragma once
// The seam through which tests and scripted runs drive dialogs, message boxes and file dialogs.
// Without handlers every dialog is real and modal.
#include "runtime/ui/messages.h"
#include <QString>
#include <functional>

class MForm;

struct MessageRequest {
    QString text;
    MsgType type = MsgType::Information;
    int buttons = mbOK;
    // A list put before the clerk for review (ReviewList); `goOn` captions the button that goes on.
    bool review = false;
    QString goOn;
};

// Acts on a form shown modally (clicks its buttons by object name ...) and returns its modal result.
using ModalHandler = std::function<int(MForm&)>;
// Answers a message box with a modal result.
using MessageHandler = std::function<int(const MessageRequest&)>;
// Plays the file-save dialog: may change the file name; true means confirmed.
using FileDialogHandler = std::function<bool(QString& fileName, const QString& filter)>;

void SetModalHandler(ModalHandler handler);
void SetMessageHandler(MessageHandler handler);
void SetFileDialogHandler(FileDialogHandler handler);
const ModalHandler& CurrentModalHandler();
const MessageHandler& CurrentMessageHandler();
const FileDialogHandler& CurrentFileDialogHandler();

// Installs handlers for its lifetime and puts the previous ones back on destruction.
class AutomationGuard {
public:
    AutomationGuard();
    ~AutomationGuard();
    AutomationGuard(const AutomationGuard&) = delete;
    AutomationGuard& operator=(const AutomationGuard&) = delete;

    AutomationGuard& onModal(ModalHandler handler);
    AutomationGuard& onMessage(MessageHandler handler);
    AutomationGuard& onFileDialog(FileDialogHandler handler);

private:
    ModalHandler savedModal_;
    MessageHandler savedMessage_;
    FileDialogHandler savedFileDialog_;
};
