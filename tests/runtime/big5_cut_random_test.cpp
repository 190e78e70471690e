// Randomized Big5 texts and widths: a cut never exceeds its width, never splits a character and
// never drops one that would fit; a field is always exactly its width; a text Big5 can hold comes
// back unchanged, and one it cannot hold says so.
#include "runtime/cvcode.h"
#include "support/random_inputs.h"
#include "transfer/media_record.h"

#include <gtest/gtest.h>

namespace {

int CharacterLength(const QByteArray& bytes, int at)
{
    const auto b = static_cast<unsigned char>(bytes[at]);
    return b >= 0x81 && b <= 0xFE ? 2 : 1;
}

// Text as media files carry it: ASCII, Chinese characters (some of them beyond Big5), full-width forms.
QString MediaText(RandomInputs& random, int maxLength)
{
    QString text;
    for (int n = random.below(maxLength + 1); n > 0; --n) {
        switch (random.below(4)) {
        case 0: text += QChar(char16_t(random.between(0x20, 0x7E))); break;
        case 1: text += QChar(char16_t(random.between(0x4E00, 0x9FA5))); break;
        case 2: text += QChar(char16_t(random.between(0xFF01, 0xFF5E))); break;
        default: text += random.pick({"王", "小", "明", "林", "台", "灣", "銀", "行", "薪", "資"}); break;
        }
    }
    return text;
}

TEST(Big5Random, ACutNeverExceedsItsWidthNorSplitsACharacter)
{
    RandomInputs random(20260306);
    const int count = RandomInputs::Count(20000);
    for (int i = 0; i < count; ++i) {
        const QByteArray bytes = random.chance(70) ? ToBig5(MediaText(random, 30)).bytes : random.anyBytes(40);
        const int width = random.between(-2, 45);
        const QByteArray cut = CutBig5(bytes, width);
        const std::string shown = "input " + std::to_string(i) + ": " + bytes.toHex().toStdString() + " width " + std::to_string(width);
        ASSERT_LE(cut.size(), qMax(width, 0)) << shown;
        ASSERT_TRUE(bytes.startsWith(cut)) << shown;
        if (bytes.size() <= width) {
            ASSERT_EQ(cut, bytes) << shown;
            continue;
        }
        // The cut falls between characters, and the next character would not have fitted.
        int end = 0;
        while (end < cut.size())
            end += CharacterLength(bytes, end);
        ASSERT_EQ(end, cut.size()) << shown << ": a character was split";
        if (width > 0)
            ASSERT_GT(end + CharacterLength(bytes, end), width) << shown << ": a character that fits was dropped";

        const QByteArray field = LeftAligned(bytes, qMax(width, 0));
        ASSERT_EQ(field.size(), qMax(width, 0)) << shown;
        ASSERT_TRUE(field.startsWith(cut)) << shown;
        ASSERT_EQ(field.mid(cut.size()), QByteArray(field.size() - cut.size(), ' ')) << shown;
    }
    ReportInputsTried("Big5 cuts", count);
}

TEST(Big5Random, TextsComeBackOrAreMarkedSubstituted)
{
    RandomInputs random(20260307);
    const int count = RandomInputs::Count(5000);
    for (int i = 0; i < count; ++i) {
        const QString text = random.chance(50) ? MediaText(random, 20) : random.anyText(20);
        const Big5Text big5 = ToBig5(text);
        const std::string shown = "input " + std::to_string(i) + ": " + text.toUtf8().toHex().toStdString();
        if (!big5.substituted)
            ASSERT_EQ(FromBig5(big5.bytes), text) << shown;
        // A cut of what was written reads back as the leading characters of what was written.
        const QString whole = FromBig5(big5.bytes);
        ASSERT_TRUE(whole.startsWith(FromBig5(CutBig5(big5.bytes, random.between(0, 30))))) << shown;
        FromBig5(random.anyBytes(30));   // any bytes at all read without a fault
    }
    ReportInputsTried("Big5 conversions", count);
}

} // namespace
