#include "common/sql_text.h"

#include "runtime/db/mquery.h"

#include <QDate>

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
    QString normalized = dateText.trimmed();
    normalized.replace(u'-', u'/');
    const QDate date = QDate::fromString(normalized, QStringLiteral("yyyy/M/d"));
    if (!date.isValid())
        return QStringLiteral("ERROR");
    return SqlDateText(date, format);
}
