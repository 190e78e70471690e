#include "banks/wagbk1/capital_numerals.h"

namespace {

constexpr int PlaceCount = 13;
constexpr int UnitPlace = 0, WanPlace = 4, YiPlace = 8, ZhaoPlace = 12;

struct WordSet {
    const char16_t* digits[10];
    const char16_t* places[PlaceCount];   // from the units up
};

const WordSet Traditional = {
    {u"零", u"壹", u"貳", u"參", u"肆", u"伍", u"陸", u"柒", u"捌", u"玖"},
    {u"元", u"拾", u"佰", u"仟", u"萬", u"拾", u"佰", u"仟", u"億", u"拾", u"佰", u"仟", u"兆"},
};

const WordSet Simplified = {
    {u"零", u"壹", u"贰", u"叁", u"肆", u"伍", u"陆", u"柒", u"捌", u"玖"},
    {u"元", u"拾", u"佰", u"仟", u"万", u"拾", u"佰", u"仟", u"亿", u"拾", u"佰", u"仟", u"兆"},
};

} // namespace

std::optional<QString> CapitalNumerals(qint64 amount, bool simplified)
{
    const QString digits = QString::number(amount);
    if (amount < 0 || digits.size() > PlaceCount)
        return std::nullopt;
    if (amount == 0)
        return QString();
    const WordSet& words = simplified ? Simplified : Traditional;
    auto word = [](const char16_t* text) { return QString::fromUtf16(text); };

    QString text;
    int lastNonZero = PlaceCount;   // the place of the digit read last that was not 0
    int runTop = -1;                // the highest place of the zeros read since, -1 when none
    // A run of zeros from `runTop` down to `runBottom` says only which groups it closes, and "零"
    // once before the next digit.
    auto closeRun = [&](int runBottom, bool digitFollows) {
        if (runTop < 0)
            return;
        auto passes = [&](int place) { return runTop >= place && runBottom <= place; };
        if (passes(YiPlace) && lastNonZero < ZhaoPlace)
            text += word(words.places[YiPlace]);
        if (passes(WanPlace) && lastNonZero < YiPlace)
            text += word(words.places[WanPlace]);
        if (passes(UnitPlace))
            text += word(words.places[UnitPlace]);
        if (digitFollows)
            text += word(words.digits[0]);
        runTop = -1;
    };
    for (int i = 0; i < digits.size(); ++i) {
        const int place = int(digits.size()) - 1 - i;
        const int digit = digits[i].digitValue();
        if (digit == 0) {
            if (runTop < 0)
                runTop = place;
            continue;
        }
        closeRun(place + 1, true);
        text += word(words.digits[digit]) + word(words.places[place]);
        lastNonZero = place;
    }
    closeRun(UnitPlace, false);
    return text + QStringLiteral("整");
}
