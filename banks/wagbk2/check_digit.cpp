#include "banks/wagbk2/check_digit.h"

namespace {
bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}
}

std::optional<QChar> PostOfficeCheckDigit(QStringView sixDigits)
{
    if (sixDigits.size() != 6)
        return std::nullopt;
    int sum = 0;
    for (int i = 0; i < 6; ++i) {
        if (!isDigit(sixDigits[i]))
            return std::nullopt;
        sum += (i + 2) * (sixDigits[i].unicode() - u'0');
    }
    return QChar(u'0' + (11 - sum % 11) % 10);
}

bool PostOfficeGroupValid(QStringView group)
{
    if (group.size() < 7)
        return false;
    const std::optional<QChar> check = PostOfficeCheckDigit(group.left(6));
    return check && *check == group[6];
}
