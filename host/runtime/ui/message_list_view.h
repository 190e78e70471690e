#pragma once
// A message that is a list (message_list.h) in a window: its heading, the count, the entries in a
// scrollable table (employee, field, value) with their whole texts, and buttons to copy the list,
// print it and save it as a text file. The message list dialog shows it with the message's answers;
// a bank's own list of refused entries shows it with its function keys.
#include "runtime/ui/message_list.h"
#include "runtime/ui/messages.h"

#include <QWidget>

class QHBoxLayout;
class QTableWidget;

class MessageListView : public QWidget {
    Q_OBJECT
public:
    MessageListView(const MessageList& list, MsgType type, QWidget* parent = nullptr);

    // The row of the copy, print and save buttons, for the owner to add its answers after them.
    QHBoxLayout* ButtonRow() const { return buttonRow_; }
    // Headings of the entries' columns other than the general employee, field and value.
    void SetColumnTitles(const QStringList& titles);
    QTableWidget* Table() const { return table_; }

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
    QTableWidget* table_ = nullptr;
    QHBoxLayout* buttonRow_ = nullptr;
};
