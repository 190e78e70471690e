#pragma once
// Display of numbers by a format such as "#,##0.00" (thousands separators, two decimals),
// "#,##0" or "0.000". An empty format shows the number as it is.
#include <QString>

QString FormatNumber(double value, const QString& format);
