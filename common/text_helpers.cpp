#include "common/text_helpers.h"

#include <cmath>

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
    const double scale = std::pow(10.0, digits);
    const double scaled = value * scale;
    double rounded = 0;
    if (scaled > 0)
        rounded = std::trunc(scaled + 0.5);
    else if (scaled < 0)
        rounded = std::trunc(scaled - 0.5);
    value = rounded / scale;
    return value;
}

double RoundHalfEven(double value)
{
    return std::nearbyint(value);   // the default rounding mode sends a half to the even neighbour
}
