#pragma once
// The dialog of a message that is a list (message_list.h): its heading, the count, the entries in
// a scrollable table (employee, field, value), and buttons to copy the list, print it, save it as
// a text file, and answer the message (OK, or the buttons the message asked for).
#include "runtime/ui/message_list.h"
#include "runtime/ui/messages.h"
#include "runtime/ui/mform.h"

#include <QDialog>

class QTableWidget;

class MessageListDialog : public QDialog {
    Q_OBJECT
public:
    // With `goOn`, the OK button carries that caption and Cancel is the default button.
    MessageListDialog(const MessageList& list, MsgType type, int buttons, QWidget* parent = nullptr, const QString& goOn = {});

    // The answer as a modal result (mrOk, mrCancel, mrYes, mrNo); closing answers like Esc.
    int Run();

    QString CountText() const;
    void CopyList() const;
    // Raises report::ReportError when nothing can be printed.
    void PrintList() const;
    // Asks for the file and writes the list there; raises std::runtime_error when it cannot be written.
    void SaveList() const;
    void WriteTextFile(const QString& path) const;

private:
    QStringList lines() const;
    QString documentTitle() const;   // the heading's first line without its colon

    MessageList list_;
    int escapeResult_ = mrCancel;
    QTableWidget* table_ = nullptr;
};
