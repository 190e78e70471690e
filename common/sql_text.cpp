#include "common/sql_text.h"

#include "runtime/db/mquery.h"
#include "runtime/getdate.h"
#include "runtime/language.h"

#include <QDate>
#include <QRegularExpression>

QString SqlEscaped(const QString& text)
{
    QString escaped = text;
    escaped.replace(u'\'', QStringLiteral("''"));
    return escaped;
}

QString SqlLiteral(const QString& text)
{
    return u'\'' + SqlEscaped(text) + u'\'';
}

QString SqlBracketed(const QString& condition)
{
    // Enclosed when the bracket that opens it closes at its very end.
    bool enclosed = condition.startsWith(u'(');
    int depth = 0;
    bool quoted = false;
    for (qsizetype i = 0; enclosed && i < condition.size(); ++i) {
        const QChar c = condition[i];
        if (c == u'\'')
            quoted = !quoted;   // a doubled quote closes and opens again
        else if (!quoted && c == u'(')
            ++depth;
        else if (!quoted && c == u')' && --depth == 0 && i + 1 < condition.size())
            enclosed = false;
    }
    if (enclosed && depth == 0 && !quoted)
        return condition;
    return u'(' + condition + u')';
}

bool RunSql(db::MQuery& query, const QString& statement)
{
    query.close();
    query.setSql(statement);
    const QString upper = statement.toUpper();
    const int select = upper.indexOf(QLatin1String("SELECT"));
    if (select >= 0 && upper.left(select).trimmed().isEmpty()) {
        query.open();
        return !query.isEmpty();
    }
    query.execSQL();
    return false;
}

QString SqlDateText(const QDate& date, const db::DateFormat& format)
{
    // A null date is the all-zero date: year, month and day 0.
    if (date.isNull())
        return QStringLiteral("ERROR");
    const QString year = QString::number(date.year());
    const QString month = QStringLiteral("%1").arg(date.month(), 2, 10, QLatin1Char('0'));
    const QString day = QStringLiteral("%1").arg(date.day(), 2, 10, QLatin1Char('0'));
    const QString sep(format.separator);
    switch (format.mode) {
    case 0: return month + sep + day + sep + year;
    case 1: return day + sep + month + sep + year;
    default: return year + sep + month + sep + day;
    }
}

QString SqlDateText(const QString& dateText, const db::DateFormat& format)
{
    if (dateText.isEmpty() || dateText == QLatin1String("  -  -  "))
        return dateText;
    static const QRegularExpression shape(QStringLiteral("^\\s*(\\d{1,4})[/-](\\d{1,2})[/-](\\d{1,2})\\s*$"));
    const QRegularExpressionMatch match = shape.match(dateText);
    const int year = match.captured(1).toInt(), month = match.captured(2).toInt(), day = match.captured(3).toInt();
    if (match.hasMatch() && year == 0 && month == 0 && day == 0)
        return QStringLiteral("ERROR");
    const QDate date(year, month, day);
    if (!match.hasMatch() || !date.isValid())
        throw DateError(LoadFormResourceStr(QStringLiteral("WAGBK"), 15102).arg(dateText).toStdString());
    return SqlDateText(date, format);
}
