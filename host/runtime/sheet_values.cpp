#include "runtime/sheet_values.h"

#include "runtime/value_checks.h"

#include <QRegularExpression>
#include <cmath>

namespace values {

namespace {

// A non-zero digit past the cents: "12.3450" has none, "12.345" has one. With an exponent the
// number's value tells.
bool beyondCents(QStringView number, double amount)
{
    if (number.contains(u'e', Qt::CaseInsensitive))
        return std::fabs(amount * 100 - std::round(amount * 100)) > 1e-3;
    const qsizetype point = number.indexOf(u'.');
    for (qsizetype i = point + 3; point >= 0 && i < number.size(); ++i)
        if (number[i] != u'0')
            return true;
    return false;
}

// The common amount, digits with at most two decimals ("38749", "38749.5", "38749.00"), read as
// its cents without the general parse; none for any other form.
std::optional<double> PlainAmount(QStringView number)
{
    qint64 cents = 0;
    int digits = 0, decimals = -1;
    for (const QChar c : number) {
        if (c == u'.' && decimals < 0) {
            decimals = 0;
            continue;
        }
        if (c < u'0' || c > u'9' || decimals == 2 || ++digits > 15)
            return std::nullopt;
        cents = cents * 10 + (c.unicode() - u'0');
        decimals += decimals >= 0;
    }
    if (digits == 0)
        return std::nullopt;
    for (int i = std::max(decimals, 0); i < 2; ++i)
        cents *= 10;
    return double(cents) / 100.0;
}

} // namespace

std::optional<double> ParseSheetAmount(QStringView text, bool* tooManyDecimals)
{
    if (tooManyDecimals)
        *tooManyDecimals = false;
    QStringView number = text.trimmed();
    if (const std::optional<double> plain = PlainAmount(number))
        return plain;
    QString ungrouped;
    if (number.contains(u',')) {
        static const QRegularExpression grouped(QStringLiteral("^[+-]?\\d{1,3}(,\\d{3})+(\\.\\d*)?$"));
        if (!grouped.match(number).hasMatch())
            return std::nullopt;
        ungrouped = number.toString().remove(u',');
        number = ungrouped;
    }
    const std::optional<double> amount = ParseAmount(number);
    if (!amount)
        return std::nullopt;
    if (beyondCents(number, *amount)) {
        if (tooManyDecimals)
            *tooManyDecimals = true;
        return std::nullopt;
    }
    return amount;
}

QDate ParseSheetDate(QStringView text)
{
    static const QRegularExpression calendar(QStringLiteral("^(\\d{4})[-/](\\d{1,2})[-/](\\d{1,2})$"));
    static const QRegularExpression roc(QStringLiteral("^(\\d{2,3})/(\\d{1,2})/(\\d{1,2})$"));
    static const QRegularExpression rocDigits(QStringLiteral("^(\\d{3})(\\d{2})(\\d{2})$"));
    const QStringView trimmed = text.trimmed();
    if (const auto m = calendar.match(trimmed); m.hasMatch())
        return QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    for (const QRegularExpression* form : {&roc, &rocDigits}) {
        if (const auto m = form->match(trimmed); m.hasMatch() && m.captured(1).toInt() > 0)
            return QDate(m.captured(1).toInt() + 1911, m.captured(2).toInt(), m.captured(3).toInt());
    }
    return {};
}

} // namespace values
