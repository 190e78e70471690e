#pragma once
// The post office's check digit. An account of the post office is two groups of seven characters,
// the bureau (局號) and the account (帳號), each six digits followed by their check digit.
#include <QString>
#include <optional>

// The check digit of six digits d1 … d6: the last decimal digit of 11 − (2·d1 + 3·d2 + … + 7·d6) mod 11,
// so a remainder of 0 gives "1" and a remainder of 1 gives "0". Nothing when `sixDigits` is not six digits.
std::optional<QChar> PostOfficeCheckDigit(QStringView sixDigits);

// Whether the group (at least seven characters; the first seven count) is six digits followed by their
// check digit.
bool PostOfficeGroupValid(QStringView group);
