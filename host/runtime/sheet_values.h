#pragma once
// Single values as a clerk's spreadsheet writes them, read for the company's data: amounts with
// thousands separators, dates in the ROC or the calendar's form. The checks of values::
// (value_checks.h) guard the same door; these add what only a spreadsheet brings.
#include <QDate>
#include <QStringView>
#include <optional>

namespace values {

// An amount as a spreadsheet shows it: "38,749", "38749.00", " 1,234.5 " (groups of three digits
// after the first comma). None for anything that is not such a number; the sign is kept (a negative
// amount and its size are AmountFault's to judge); `tooManyDecimals` is set for a number with
// digits beyond the cents, which is then not taken either.
std::optional<double> ParseSheetAmount(QStringView text, bool* tooManyDecimals = nullptr);

// A date as "115/02/28" or "1150228" (ROC), "2026-02-28" or "2026/2/28" (calendar). A null date
// for a text of none of these forms or for a day that does not exist (115/02/30).
QDate ParseSheetDate(QStringView text);

} // namespace values
