#include "common/text_helpers.h"

#include <cmath>
#include <cstdlib>
#include <iterator>

QString Spaces(int n)
{
    return QString(qBound(0, n, 255), u' ');
}

QString FillChars(int count, QChar ch)
{
    return QString(qBound(0, count, 256), ch.isNull() ? QChar(u' ') : ch);
}

namespace {
// 10^n, which a double holds exactly up to 10^22; taken from a table there, as amounts are rounded
// row after row.
double PowerOfTen(int n)
{
    static constexpr double Exact[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                       1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    return n < int(std::size(Exact)) ? Exact[n] : std::pow(10.0, n);
}
}

double RoundTo(double& value, int digits)
{
    // Scaling by an exact power of ten: a negative digit count divides (50000 at -5 is 0.5 hundred
    // thousands), so that no inexact 10^-n enters the value.
    const double power = PowerOfTen(std::abs(digits));
    const double scaled = digits >= 0 ? value * power : value / power;
    double rounded = 0;
    if (scaled > 0)
        rounded = std::trunc(scaled + 0.5);
    else if (scaled < 0)
        rounded = std::trunc(scaled - 0.5);
    value = digits >= 0 ? rounded / power : rounded * power;
    return value;
}

double RoundHalfEven(double value)
{
    return std::nearbyint(value);   // the default rounding mode sends a half to the even neighbour
}
