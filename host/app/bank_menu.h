#pragma once
// The banks of the "銀行" menu, in the module's order: bank N is opened by DoWagBK<N>.
#include <QString>

constexpr int MenuBankCount = 28;

// The bank's name as the menu shows it; empty outside 1..28.
QString MenuBankName(int bank);
