#pragma once
// Bank accounts of the demo company's employees: 14 digits, the bank's code first (004 Bank of
// Taiwan, 008 Hua Nan, 700 post office ...), so that a clerk can choose accounts by that prefix.
#include "demo_random.h"
#include <QString>

// An account at one of the usual salary banks (not the post office).
QString MakeBankAccount(DemoRandom& random);

// A post office account: bureau (6 digits and a check digit, beginning with 700) and account
// (6 digits and a check digit). With `wrongCheckDigit` one of the two check digits is wrong.
QString MakePostOfficeAccount(DemoRandom& random, bool wrongCheckDigit);
