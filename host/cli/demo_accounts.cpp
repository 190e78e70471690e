#include "demo_accounts.h"

namespace {

// Salary banks and how often employees bank there.
struct Bank {
    const char* code;
    int weight;
};
const Bank SalaryBanks[] = {{"004", 14}, {"005", 6}, {"006", 8}, {"007", 9}, {"008", 9}, {"009", 7},
                            {"011", 3},  {"012", 6}, {"013", 9}, {"017", 5}, {"050", 4}, {"808", 8},
                            {"812", 5},  {"822", 7}};

const char* PickBank(DemoRandom& random)
{
    int total = 0;
    for (const Bank& b : SalaryBanks)
        total += b.weight;
    int r = random.below(total);
    for (const Bank& b : SalaryBanks) {
        if (r < b.weight)
            return b.code;
        r -= b.weight;
    }
    return SalaryBanks[0].code;
}

QChar WrongDigit(QChar right)
{
    return QChar(u'0' + (right.digitValue() + 1) % 10);
}

// The post office check digit of six digits: the last digit of 11 - (2·d1 + 3·d2 + ... + 7·d6) mod 11.
// The demo's own, inside this file: a program that loads the module next to the demo must find
// the module's check digit under that name, not this one.
QChar PostOfficeCheckDigit(const QString& sixDigits)
{
    int sum = 0;
    for (int i = 0; i < 6; ++i)
        sum += (i + 2) * sixDigits[i].digitValue();
    return QChar(u'0' + (11 - sum % 11) % 10);
}

} // namespace

QString MakeBankAccount(DemoRandom& random)
{
    return QString::fromLatin1(PickBank(random)) + random.digits(11);   // code, branch and account
}

QString MakePostOfficeAccount(DemoRandom& random, bool wrongCheckDigit)
{
    const QString bureau = QStringLiteral("700") + random.digits(3);
    const QString account = random.digits(6);
    QChar bureauCheck = PostOfficeCheckDigit(bureau), accountCheck = PostOfficeCheckDigit(account);
    if (wrongCheckDigit) {
        if (random.percent(50))
            bureauCheck = WrongDigit(bureauCheck);
        else
            accountCheck = WrongDigit(accountCheck);
    }
    return bureau + bureauCheck + account + accountCheck;
}
