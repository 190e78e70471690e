#include "runtime/bank_names.h"

#include "runtime/language.h"

QString BankName(int bank)
{
    static const char* const names[BankCount + 1] = {
        "",
        "彰化商業銀行", "郵局", "合作金庫", "上海商業銀行", "第一銀行", "中小企業臺中區", "玉山銀行",
        "世華銀行", "富邦銀行", "臺灣銀行", "大安商業銀行", "臺北市銀行", "萬通銀行", "中興銀行",
        "臺灣中小企業銀行(臺灣區)", "中華商業銀行", "華南商業銀行", "世華商業銀行", "中國信託商業銀行",
        "第一銀行", "華僑銀行", "台北商銀", "泛亞商業銀行", "土地銀行", "新竹國際商業銀行",
        "聯邦商業銀行", "台新銀行", "中國商業銀行",
    };
    if (bank < 1 || bank > BankCount)
        return {};
    return QString::fromUtf8(names[bank]);
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
