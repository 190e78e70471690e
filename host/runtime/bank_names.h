#pragma once
// The banks the payroll module serves, by number: the Chinese name each transfer window carries and
// the host's bank menu shows.
#include <QString>

constexpr int BankCount = 28;

// The bank's Chinese name (the window caption of most banks); empty outside 1..28.
QString BankName(int bank);
