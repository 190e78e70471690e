#pragma once
// The dialog of a message that is a list (message_list.h): the list's view (heading, count, entries,
// copy, print and save) and the message's answers (OK, or the buttons the message asked for).
#include "runtime/ui/message_list_view.h"
#include "runtime/ui/mform.h"

#include <QDialog>

class MessageListDialog : public QDialog {
    Q_OBJECT
public:
    // With `goOn`, the OK button carries that caption and Cancel is the default button.
    MessageListDialog(const MessageList& list, MsgType type, int buttons, QWidget* parent = nullptr, const QString& goOn = {});

    // The answer as a modal result (mrOk, mrCancel, mrYes, mrNo); closing answers like Esc.
    int Run();

    QString CountText() const { return view_->CountText(); }
    void WriteTextFile(const QString& path) const { view_->WriteTextFile(path); }

private:
    MessageListView* view_ = nullptr;
    int escapeResult_ = mrCancel;
};
