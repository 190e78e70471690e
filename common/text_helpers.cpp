#include "common/text_helpers.h"

#include <cmath>
#include <cstdlib>

QString Spaces(int n)
{
    return QString(qBound(0, n, 255), u' ');
}

QString FillChars(int count, QChar ch)
{
    return QString(qBound(0, count, 256), ch.isNull() ? QChar(u' ') : ch);
}

double RoundTo(double& value, int digits)
{
    // Scaling by an exact power of ten: a negative digit count divides (50000 at -5 is 0.5 hundred
    // thousands), so that no inexact 10^-n enters the value.
    const double power = std::pow(10.0, std::abs(digits));
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
