#include "runtime/ui/automation.h"

namespace {
ModalHandler modalHandler;
MessageHandler messageHandler;
FileDialogHandler fileDialogHandler;
}

void SetModalHandler(ModalHandler handler) { modalHandler = std::move(handler); }
void SetMessageHandler(MessageHandler handler) { messageHandler = std::move(handler); }
void SetFileDialogHandler(FileDialogHandler handler) { fileDialogHandler = std::move(handler); }
const ModalHandler& CurrentModalHandler() { return modalHandler; }
const MessageHandler& CurrentMessageHandler() { return messageHandler; }
const FileDialogHandler& CurrentFileDialogHandler() { return fileDialogHandler; }

AutomationGuard::AutomationGuard()
    : savedModal_(modalHandler), savedMessage_(messageHandler), savedFileDialog_(fileDialogHandler)
{
}

AutomationGuard::~AutomationGuard()
{
    modalHandler = std::move(savedModal_);
    messageHandler = std::move(savedMessage_);
    fileDialogHandler = std::move(savedFileDialog_);
}

AutomationGuard& AutomationGuard::onModal(ModalHandler handler)
{
    SetModalHandler(std::move(handler));
    return *this;
}

AutomationGuard& AutomationGuard::onMessage(MessageHandler handler)
{
    SetMessageHandler(std::move(handler));
    return *this;
}

AutomationGuard& AutomationGuard::onFileDialog(FileDialogHandler handler)
{
    SetFileDialogHandler(std::move(handler));
    return *this;
}
