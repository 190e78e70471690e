#include "runtime/ui/messages.h"

#include "runtime/language.h"
#include "runtime/ui/automation.h"
#include "runtime/ui/message_list_dialog.h"
#include "runtime/ui/mform.h"
#include "runtime/ui/review_list.h"

#include <QApplication>
#include <QMessageBox>

namespace {

QMessageBox::Icon iconOf(MsgType type)
{
    switch (type) {
    case MsgType::Information: return QMessageBox::Information;
    case MsgType::Confirmation: return QMessageBox::Question;
    case MsgType::Warning: return QMessageBox::Warning;
    case MsgType::Error: return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

struct ButtonMapping {
    MsgButton flag;
    QMessageBox::StandardButton button;
    ModalResult result;
};

constexpr ButtonMapping buttonMappings[] = {
    {mbYes, QMessageBox::Yes, mrYes},
    {mbNo, QMessageBox::No, mrNo},
    {mbOK, QMessageBox::Ok, mrOk},
    {mbCancel, QMessageBox::Cancel, mrCancel},
};

int runMessageBox(const QString& text, MsgType type, int buttons)
{
    // Titled with the program's name in the clerk's language, not the executable's.
    QMessageBox box(iconOf(type), LoadFormResourceStr(QStringLiteral("RAR1HOST"), 120), text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    for (const ButtonMapping& m : buttonMappings)
        if (buttons & m.flag)
            box.addButton(m.button);
    if (box.buttons().isEmpty())
        box.addButton(QMessageBox::Ok);
    const int clicked = box.exec();
    ReturnActivation(box.parentWidget());
    for (const ButtonMapping& m : buttonMappings)
        if (clicked == m.button)
            return m.result;
    return ClosedAnswer(buttons);
}

int runMessageList(const MessageList& list, MsgType type, int buttons, const QString& goOn = {})
{
    MessageListDialog dialog(list, type, buttons, QApplication::activeWindow(), goOn);
    const int answer = dialog.Run();
    ReturnActivation(dialog.parentWidget());
    return answer;
}

} // namespace

int MessageDlg(const QString& text, MsgType type, int buttons)
{
    if (const MessageHandler& handler = CurrentMessageHandler())
        return handler(MessageRequest{text, type, buttons});
    if (const std::optional<MessageList> list = ReadMessageList(text))
        return runMessageList(*list, type, buttons);
    return runMessageBox(text, type, buttons);
}

int ReviewList(const QString& text, const QString& goOn)
{
    const MsgType type = goOn.isEmpty() ? MsgType::Information : MsgType::Warning;
    const int buttons = goOn.isEmpty() ? mbOK : mbOK | mbCancel;
    if (const MessageHandler& handler = CurrentMessageHandler())
        return handler(MessageRequest{text, type, buttons, true, goOn});
    MessageList list;
    if (const std::optional<MessageList> read = ReadMessageList(text))
        list = *read;
    else
        list.entries << MessageEntry{text, {}, {}};
    return runMessageList(list, type, buttons, goOn);
}

void ShowNote(const QString& text, const std::function<void(const QString&)>& show)
{
    if (show && !CurrentMessageHandler())
        show(text);
    else
        ReviewList(text);
}

int ClosedAnswer(int buttons)
{
    return (buttons & mbCancel) || !(buttons & mbNo) ? mrCancel : mrNo;
}

int MessageById(const QString& group, int id, MsgType type, int buttons)
{
    return MessageDlg(LoadFormResourceStr(group, id), type, buttons);
}

void ShowError(const QString& text)
{
    MessageDlg(text, MsgType::Error, mbOK);
}
