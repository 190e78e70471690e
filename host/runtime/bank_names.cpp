#include "runtime/bank_names.h"

#include "runtime/language.h"

QString BankName(int bank)
{
    // The bank's name among the texts: banks 5 and 20 are the same bank, and the names do not
    // follow the banks' numbers.
    static const int textIds[BankCount + 1] = {
        0,     11000, 11001, 11002, 11003, 11004, 11005, 11006, 11007, 11008, 11009, 11010, 11011, 11012, 11013,
        11014, 11015, 11016, 11017, 11019, 11004, 11018, 11022, 11020, 11023, 11024, 11021, 15400, 15600,
    };
    if (bank < 1 || bank > BankCount)
        return {};
    return LoadFormResourceStr(QStringLiteral("WAGBK"), textIds[bank]);
}

QString BankMenuCaption(int bank)
{
    if (bank < 1 || bank > BankCount)
        return {};
    // Most banks take a salary transfer; the post office a deposit, bank 18 its newer layout, bank
    // 20 its general transfer file (bank 5 is the same bank's salary transfer).
    const int kind = bank == 2 ? 131 : bank == 18 ? 132 : bank == 20 ? 133 : 130;
    return QStringLiteral("%1 %2 (%3)").arg(bank).arg(BankName(bank), LoadFormResourceStr(QStringLiteral("RAR1HOST"), kind));
}
