#include "runtime/value_checks.h"

#include "runtime/cvcode.h"
#include "runtime/language.h"

#include <algorithm>
#include <cmath>

namespace values {

namespace {

bool isControl(char16_t c)
{
    return c < 0x20 || c == 0x7F;
}

template <class Text>
bool anyControl(Text text)
{
    for (const auto c : text)
        if (isControl(QChar(c).unicode()))
            return true;
    return false;
}

template <class Text>
bool digitsOnly(Text text)
{
    for (const auto c : text)
        if (QChar(c) < u'0' || QChar(c) > u'9')
            return false;
    return true;
}

// The characters of `text` one at a time: a surrogate pair is one character.
template <class Visit>
void eachCharacter(QStringView text, Visit visit)
{
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2 : 1;
        if (!visit(text.mid(i, length), i))
            return;
        i += length;
    }
}

// The bytes one character takes in Big5, and whether it has a code there.
struct Big5Character {
    int bytes;
    bool fits;
};

Big5Character big5Of(QStringView character)
{
    if (character.size() == 1 && character[0].unicode() < 0x80)
        return {1, true};
    if (character.size() == 1 && character[0].isSurrogate())
        return {2, false};
    const Big5Text big5 = ToBig5(character.toString());
    return {int(big5.bytes.size()), !big5.substituted};
}

} // namespace

QString FaultText(Fault fault)
{
    return LoadFormResourceStr(QStringLiteral("WAGBK"), 15911 + int(fault));
}

bool HasControlCharacter(QStringView text)
{
    return anyControl(text);
}

bool HasControlCharacter(QLatin1StringView text)
{
    return anyControl(text);
}

bool IsDigits(QStringView text)
{
    return digitsOnly(text);
}

bool IsDigits(QLatin1StringView text)
{
    return digitsOnly(text);
}

bool FitsBig5(QStringView text)
{
    if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; }))
        return true;
    // The whole text converted at once: a name of a few characters costs one conversion, not one each.
    return !ToBig5(text.toString()).substituted;
}

QString Big5Leading(QStringView text, int bytes)
{
    qsizetype kept = 0;
    int taken = 0;
    eachCharacter(text, [&](QStringView character, qsizetype at) {
        taken += big5Of(character).bytes;
        if (taken > bytes)
            return false;
        kept = at + character.size();
        return true;
    });
    return text.left(kept).toString();
}

std::optional<Fault> TextFault(QStringView text)
{
    if (HasControlCharacter(text))
        return Fault::ControlCharacter;
    if (!FitsBig5(text))
        return Fault::NotBig5;
    return std::nullopt;
}

std::optional<double> ParseAmount(QStringView text)
{
    const QStringView number = text.trimmed();
    qsizetype at = 0;
    const auto digits = [&] {
        const qsizetype from = at;
        while (at < number.size() && number[at] >= u'0' && number[at] <= u'9')
            ++at;
        return at - from;
    };
    if (at < number.size() && (number[at] == u'+' || number[at] == u'-'))
        ++at;
    qsizetype mantissa = digits();
    if (at < number.size() && number[at] == u'.') {
        ++at;
        mantissa += digits();
    }
    if (mantissa == 0)
        return std::nullopt;
    if (at < number.size() && (number[at] == u'e' || number[at] == u'E')) {
        ++at;
        if (at < number.size() && (number[at] == u'+' || number[at] == u'-'))
            ++at;
        if (digits() == 0)
            return std::nullopt;
    }
    if (at != number.size())
        return std::nullopt;
    bool ok = false;
    const double value = number.toString().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<Fault> AmountFault(double amount, double scale, double limit, bool signedField)
{
    if (!std::isfinite(amount))
        return Fault::NotANumber;
    if (!signedField && amount < 0)
        return Fault::Negative;
    if (std::fabs(std::trunc(amount) * scale) > limit)
        return Fault::TooLarge;
    return std::nullopt;
}

QString Shown(QStringView text)
{
    if (!HasControlCharacter(text))
        return text.toString();
    QString shown;
    for (const QChar c : text)
        shown += isControl(c.unicode()) ? QStringLiteral("<%1>").arg(c.unicode(), 2, 16, QLatin1Char('0')).toUpper() : QString(c);
    return shown;
}

} // namespace values
