// ROC dates: the year counted from 1912, as the date edits and the media files write it.
#include "runtime/getdate.h"

#include "runtime/host_texts.h"
#include "runtime/language.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

constexpr int RocYearOffset = 1911;

[[noreturn]] void RaiseDateError(int messageId, const QString& field, const QString& text)
{
    const QString name = field.trimmed().isEmpty() ? HostText(210) : field.trimmed();
    throw DateError(HostText(messageId).arg(name, text.trimmed()).toStdString());
}

// A date part as typed in a masked edit: digits, possibly with the mask's blanks around them.
int DatePart(const QString& part, int maxDigits, bool* ok)
{
    const QString digits = part.trimmed();
    *ok = !digits.isEmpty() && digits.size() <= maxDigits
        && std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    return *ok ? digits.toInt() : 0;
}

} // namespace

QString R_ChinaToTWData(const QDate& date)
{
    if (!date.isValid())
        return {};
    if (date.year() <= RocYearOffset)
        RaiseDateError(212, QString(), date.toString(Qt::ISODate));
    return QStringLiteral("%1/%2/%3")
        .arg(date.year() - RocYearOffset)
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.day(), 2, 10, QLatin1Char('0'));
}

QString R_ChinaToTW(const QString& text)
{
    if (DateIsEmpty(text))
        return {};
    static const QRegularExpression gregorian(QStringLiteral("^\\s*(\\d{4})[/-](\\d{1,2})[/-](\\d{1,2})\\s*$"));
    const auto match = gregorian.match(text);
    if (!match.hasMatch())
        RaiseDateError(211, QString(), text);
    const QDate date(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
    if (!date.isValid() || date.year() <= RocYearOffset)
        RaiseDateError(211, QString(), text);
    return R_ChinaToTWData(date);
}

QDate R_TWtoChina(const QString& text, const QString& field)
{
    if (DateIsEmpty(text))
        return {};
    static const QRegularExpression separators(QStringLiteral("[/.-]"));
    const QStringList parts = text.split(separators);
    if (parts.size() != 3)
        RaiseDateError(211, field, text);
    bool ok = false;
    const int rocYear = DatePart(parts[0], 3, &ok);
    if (!ok || rocYear < 1)
        RaiseDateError(212, field, text);
    const int month = DatePart(parts[1], 2, &ok);
    if (!ok || month < 1 || month > 12)
        RaiseDateError(213, field, text);
    // A day of more digits, or with anything after it, is no date at all: never cut to one.
    const int day = DatePart(parts[2], 2, &ok);
    if (!ok)
        RaiseDateError(211, field, text);
    if (day < 1)
        RaiseDateError(215, field, text);
    const QDate date(rocYear + RocYearOffset, month, day);
    if (!date.isValid())
        RaiseDateError(214, field, text);
    return date;
}

bool DateIsEmpty(const QString& text)
{
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c.isSpace() || c == u'/' || c == u'-' || c == u'.'; });
}
