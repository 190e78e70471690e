#pragma once
// The two check codes of each salary record, by which the bank verifies the account and the amount:
// two weighted sums of chosen digits, each reduced to one digit by the remainder by 11, and the
// company's weight (權數) added to the two-digit result.
#include <QString>
#include <optional>

// The account check (帳號檢查) of an account of exactly 11 digits; none for anything else.
std::optional<QString> AccountCheckCode(const QString& account, int weight);
// The amount check (金額檢查) of the amount in cents as 13 digits; none for anything else.
std::optional<QString> AmountCheckCode(const QString& cents, int weight);

// The digits that the transfer table's account check is computed from: the account filled with "0"
// on the right to 11 digits (its first 11 when longer), or eleven "0" when it is not a number.
QString ListedAccountDigits(const QString& account);
// The 13 digits of an amount for the transfer table's amount check: rounded to cents (halves away
// from zero), "0" in front; none when the amount is negative or too large for 13 digits.
std::optional<QString> ListedAmountDigits(double amount);

// The weight of the bank parameters: one or two digits. A blank weight is "not set" (none); any
// other text raises an error that tells the clerk to correct the bank parameters.
std::optional<int> CheckWeight(QStringView text);
// The weight that the records need: as CheckWeight, and a blank weight is an error as well.
int RequiredWeight(QStringView text);
