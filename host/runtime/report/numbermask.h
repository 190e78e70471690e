#pragma once
// Number formats of report items, written as masks: "#,##0.00" (thousands separators, two decimals),
// "0.00", "#,##0", "#,###". A '0' is a digit that is always written, a '#' one that is written only
// when it is significant, a ',' anywhere before the point asks for thousands separators.
// Values are rounded half away from zero on their decimal digits, so 1.005 with "0.00" gives "1.01".
#include <QString>

namespace report {

// Raises ReportError for a mask with other characters.
QString FormatMask(double value, const QString& mask);

} // namespace report
