#include "runtime/ui/message_list.h"

namespace {

// "who: field = value"; the name ends at the first ": ", the field at the first " = " after it.
std::optional<MessageEntry> ReadEntry(const QString& line)
{
    const qsizetype colon = line.indexOf(QStringLiteral(": "));
    if (colon <= 0)
        return std::nullopt;
    const qsizetype equals = line.indexOf(QStringLiteral(" = "), colon + 2);
    if (equals < 0)
        return std::nullopt;
    return MessageEntry{line.left(colon), line.mid(colon + 2, equals - colon - 2), line.mid(equals + 3)};
}

QString LineOf(const MessageEntry& entry)
{
    return entry.field.isEmpty() && entry.value.isEmpty() ? entry.who
                                                          : entry.who + QStringLiteral(": ") + entry.field + QStringLiteral(" = ") + entry.value;
}

bool EndsWithColon(const QString& line)
{
    return line.endsWith(u':') || line.endsWith(u'：');
}

} // namespace

QStringList MessageList::Lines(const QString& countText) const
{
    QStringList lines = heading;
    lines << countText;
    for (const MessageEntry& entry : entries)
        lines << LineOf(entry);
    return lines;
}

QString MessageList::TabSeparated() const
{
    QStringList rows;
    for (const MessageEntry& entry : entries)
        rows << (entry.field.isEmpty() && entry.value.isEmpty() ? entry.who : entry.who + u'\t' + entry.field + u'\t' + entry.value);
    return rows.join(u'\n') + u'\n';
}

std::optional<MessageList> ReadMessageList(const QString& text)
{
    const QStringList lines = text.split(u'\n');
    qsizetype headingEnd = 1;
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (EndsWithColon(lines.at(i))) {
            headingEnd = i + 1;
            break;
        }
    MessageList list;
    list.heading = lines.mid(0, headingEnd);
    bool allEntries = true;
    for (const QString& line : lines.mid(headingEnd)) {
        if (line.trimmed().isEmpty())
            continue;
        const std::optional<MessageEntry> entry = ReadEntry(line);
        allEntries = allEntries && entry.has_value();
        list.entries << (entry ? *entry : MessageEntry{line, {}, {}});
    }
    if (list.entries.isEmpty() || (!allEntries && lines.size() <= LongMessageLines))
        return std::nullopt;
    return list;
}
