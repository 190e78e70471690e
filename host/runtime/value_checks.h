#pragma once
// Checks of single values before they go to a bank or into the company's data: what a fixed-width
// Big5 record can carry, an account's digits, an amount that is a number a transfer can hold. Each
// check answers with the fault it finds (none when the value can be taken); FaultText words it for
// the clerk. The media files' gate and the imports use the same checks.
#include <QString>
#include <QLatin1StringView>
#include <QStringView>
#include <optional>

namespace values {

enum class Fault {
    ControlCharacter,   // a byte below 0x20 or 0x7F: it would split or corrupt a record
    NotBig5,            // a character the Big5 code page cannot carry
    NotDigits,          // a character other than 0 to 9 where only digits are taken
    TooLong,            // more than the field can hold
    NotANumber,         // an amount that does not read as a number
    Negative,           // an amount below zero where none may be
    TooLarge,           // an amount beyond what the field's integer can hold
    DateLength,         // a date whose digits do not fill its field (a year below 10, or past 999)
};

// The fault in the clerk's language ("控制字元", "not digits only" ...).
QString FaultText(Fault fault);

// A character below U+0020, or U+007F; of a text, or of plain ASCII bytes as a row keeps them.
bool HasControlCharacter(QStringView text);
bool HasControlCharacter(QLatin1StringView text);
// Every character 0 to 9; an empty text counts.
bool IsDigits(QStringView text);
bool IsDigits(QLatin1StringView text);
// Every character has a Big5 code (no substitute would be written); an unpaired surrogate has none.
bool FitsBig5(QStringView text);
// The longest start of `text` that takes at most `bytes` in Big5, cut between whole characters:
// never half a surrogate pair, never half a double-byte character.
QString Big5Leading(QStringView text, int bytes);

// The first fault of a text that goes into a record as it is: control characters, then Big5.
std::optional<Fault> TextFault(QStringView text);

// A decimal number as a database or a clerk writes an amount: an optional sign, digits with at most
// one decimal point, an optional exponent, spaces around it; none for anything else ("1,000", "abc",
// a NUL byte, "inf") or a value too large to be finite.
std::optional<double> ParseAmount(QStringView text);
// The fault of an amount whose whole part, times `scale` (1, 10 or 100), goes into an integer field
// that holds at most `limit`; `signedField` when the field (or its record's mark) gives a sign.
std::optional<Fault> AmountFault(double amount, double scale, double limit, bool signedField);

// The text as a message shows it: each control character as <0D>, so that a line stays one line.
QString Shown(QStringView text);

} // namespace values
