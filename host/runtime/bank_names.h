#pragma once
// The banks the payroll module serves, by number: the name the host's bank menu shows, in the
// clerk's language.
#include <QString>

constexpr int BankCount = 28;

// The bank's name in the clerk's language; empty outside 1..28.
QString BankName(int bank);
// The bank's number, name and kind of file, as the bank menu and the window list name it:
// "20 第一銀行 (一般轉帳)", the kind in the clerk's language; empty outside 1..28.
QString BankMenuCaption(int bank);
