#include "runtime/report/numbermask.h"
#include "runtime/report/reporterror.h"
#include <algorithm>
#include <cmath>

namespace report {
namespace {

struct MaskShape {
    int minIntegerDigits = 0;
    int minDecimals = 0;
    int maxDecimals = 0;
    bool thousands = false;
};

MaskShape ParseMask(const QString& mask)
{
    const int point = mask.indexOf(u'.');
    if (point != mask.lastIndexOf(u'.'))
        throw ReportError(QStringLiteral("The number format \"%1\" of a report item has more than one decimal point.").arg(mask));
    const QString integerPart = point < 0 ? mask : mask.left(point);
    const QString fractionPart = point < 0 ? QString() : mask.mid(point + 1);
    MaskShape shape;
    for (QChar c : integerPart) {
        if (c == u'0') ++shape.minIntegerDigits;
        else if (c == u',') shape.thousands = true;
        else if (c != u'#')
            throw ReportError(QStringLiteral("The number format \"%1\" of a report item is not understood.").arg(mask));
    }
    for (QChar c : fractionPart) {
        if (c == u'0') ++shape.minDecimals;
        else if (c != u'#')
            throw ReportError(QStringLiteral("The number format \"%1\" of a report item is not understood.").arg(mask));
        ++shape.maxDecimals;
    }
    return shape;
}

// The value's decimal digits as a double holds them (15 significant), without binary noise:
// 1.005 gives "1.00500000000000".
QString SignificantDigits(double magnitude)
{
    const int integerDigits = magnitude < 1 ? 1 : int(std::floor(std::log10(magnitude))) + 1;
    return QString::number(magnitude, 'f', std::max(0, 15 - integerDigits));
}

// Rounds a plain decimal text ("123.456") half up to `decimals` places; returns the integer digits
// and the fraction digits separately.
std::pair<QString, QString> RoundDecimalText(const QString& text, int decimals)
{
    const int point = text.indexOf(u'.');
    QString integer = point < 0 ? text : text.left(point);
    QString fraction = point < 0 ? QString() : text.mid(point + 1);
    fraction = fraction.leftJustified(decimals + 1, u'0');
    const bool roundUp = fraction.at(decimals) >= u'5';
    QString digits = integer + fraction.left(decimals);
    if (roundUp) {
        int i = int(digits.size()) - 1;
        for (; i >= 0 && digits.at(i) == u'9'; --i)
            digits[i] = u'0';
        if (i < 0) digits.prepend(u'1');
        else digits[i] = QChar(digits.at(i).unicode() + 1);
    }
    return {digits.left(digits.size() - decimals), digits.right(decimals)};
}

QString GroupThousands(const QString& digits)
{
    QString grouped;
    for (int i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) grouped += u',';
        grouped += digits.at(i);
    }
    return grouped;
}

} // namespace

QString FormatMask(double value, const QString& mask)
{
    const MaskShape shape = ParseMask(mask);
    auto [integer, fraction] = RoundDecimalText(SignificantDigits(std::abs(value)), shape.maxDecimals);

    while (fraction.size() > shape.minDecimals && fraction.endsWith(u'0'))
        fraction.chop(1);
    while (!integer.isEmpty() && integer.front() == u'0')
        integer.remove(0, 1);
    const bool isZero = integer.isEmpty() && fraction.count(u'0') == fraction.size();
    integer = integer.rightJustified(shape.minIntegerDigits, u'0');
    if (shape.thousands) integer = GroupThousands(integer);

    QString text = integer;
    if (!fraction.isEmpty()) text += u'.' + fraction;
    if (value < 0 && !isZero) text.prepend(u'-');
    return text;
}

} // namespace report
