#include "banks/wagbk18/check_codes.h"

#include "common/text_helpers.h"
#include "runtime/language.h"
#include "transfer/media_record.h"

#include <cmath>
#include <initializer_list>
#include <stdexcept>

namespace {

QString FormText(int id)
{
    return LoadFormResourceStr(QStringLiteral("WAGBK"), id);
}

// A digit position (from 1) of the checked text and what its digit is multiplied by.
struct Weighted {
    int position;
    int multiplier;
};
using Sum = std::initializer_list<Weighted>;

const Sum AccountX1 = {{1, 9}, {2, 2}, {5, 5}, {6, 4}, {9, 3}, {10, 6}};
const Sum AccountX2 = {{3, 2}, {4, 7}, {7, 5}, {8, 6}, {11, 9}};
const Sum AmountX1 = {{1, 1}, {2, 3}, {3, 2}, {7, 7}, {8, 9}, {9, 5}, {13, 4}};
const Sum AmountX2 = {{4, 1}, {5, 7}, {6, 2}, {10, 6}, {11, 8}, {12, 9}};

bool allDigits(QStringView text)
{
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

// One digit from a weighted sum: the ones digit of 11 minus the remainder by 11.
int checkDigit(const QString& digits, Sum sum)
{
    int x = 0;
    for (const Weighted& w : sum)
        x += (digits.at(w.position - 1).unicode() - u'0') * w.multiplier;
    return (11 - x % 11) % 10;
}

std::optional<QString> checkCode(const QString& digits, int length, Sum x1, Sum x2, int weight)
{
    if (digits.size() != length || !allDigits(digits))
        return std::nullopt;
    const int code = (10 * checkDigit(digits, x1) + checkDigit(digits, x2) + weight) % 100;
    return QString::fromLatin1(*ZeroFilled(code, 2));
}

} // namespace

std::optional<QString> AccountCheckCode(const QString& account, int weight)
{
    return checkCode(account, 11, AccountX1, AccountX2, weight);
}

std::optional<QString> AmountCheckCode(const QString& cents, int weight)
{
    return checkCode(cents, 13, AmountX1, AmountX2, weight);
}

QString ListedAccountDigits(const QString& account)
{
    if (account.isEmpty() || !allDigits(account))
        return QString(11, u'0');
    return account.leftJustified(11, u'0', true);
}

std::optional<QString> ListedAmountDigits(double amount)
{
    double rounded = amount;
    RoundTo(rounded, 2);
    const qint64 cents = std::llround(rounded * 100);
    if (cents < 0 || cents > 9999999999999LL)
        return std::nullopt;
    return QString::fromLatin1(*ZeroFilled(cents, 13));
}

std::optional<int> CheckWeight(QStringView text)
{
    const QStringView weight = text.trimmed();
    if (weight.isEmpty())
        return std::nullopt;
    if (weight.size() > 2 || !allDigits(weight))
        throw std::runtime_error(FormText(15105).arg(text).toStdString());
    return weight.toInt();
}

int RequiredWeight(QStringView text)
{
    if (const std::optional<int> weight = CheckWeight(text))
        return *weight;
    throw std::runtime_error(FormText(15106).toStdString());
}
