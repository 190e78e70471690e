#pragma once
// Padding, rounding and choice helpers shared by the windows and the media file writers.
#include <QString>

// n spaces; a negative n gives "", more than 255 gives 255.
QString Spaces(int n);
// `count` copies of `ch` (a space for the zero character); "" for count <= 0; at most 256.
QString FillChars(int count, QChar ch);
// Rounds half away from zero at `digits` decimals (negative digits round to tens, hundreds ...);
// stores the result in `value` and returns it.
double RoundTo(double& value, int digits);
// Rounds to a whole number with a half going to the even neighbour (1000.5 -> 1000, 1001.5 -> 1002).
double RoundHalfEven(double value);
inline QString IfText(bool flag, const QString& whenTrue, const QString& whenFalse)
{
    return flag ? whenTrue : whenFalse;
}
