#pragma once
// A message that is a list: heading lines (up to the first that ends with a colon), then one entry
// per line, "employee: field = value" as a refused export names each value, or any text for a
// long list of warnings. Such a message is shown as a list the clerk can scroll, copy, print and
// save, not as a box of a hundred lines.
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

struct MessageEntry {
    QString who;
    QString field;   // empty for an entry that is a plain line
    QString value;
};

struct MessageList {
    QStringList heading;
    QList<MessageEntry> entries;

    // Heading, the count, then the entries as the message wrote them.
    QStringList Lines(const QString& countText) const;
    // The entries as tab-separated columns, for a spreadsheet.
    QString TabSeparated() const;
};

// More lines than this make any message a list.
constexpr int LongMessageLines = 12;

// The message as a list when it names refused values or is long; otherwise nothing.
std::optional<MessageList> ReadMessageList(const QString& text);
