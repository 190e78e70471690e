#pragma once
// The banks the module serves, by number: the Chinese name each window carries.
#include <QString>

// The bank's Chinese name (the window caption of most banks); empty outside 1..28.
QString BankName(int bank);
