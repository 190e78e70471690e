#pragma once
// Employees of the demo company: Chinese and English names and national identity numbers.
#include "demo_random.h"
#include <QString>

struct DemoPerson {
    QString name;          // 王小明
    QString englishName;   // Wang Hsiao-Ming
    QString idNumber;      // A123456789, with a valid check digit
};

// A person; with `rareName` the given name holds a character that Big5 cannot hold (堃, 喆, 𡒄 ...).
DemoPerson MakeDemoPerson(DemoRandom& random, bool rareName);

// The check digit that completes a national identity number "A12345678".
int IdentityCheckDigit(const QString& firstNine);
