// Big5 encoding for media files (byte exact), cutting at byte widths, and the simplified-Chinese
// conversion of report captions.
#include "runtime/cvcode.h"

#include <QtEndian>
#include <gtest/gtest.h>
#include <iconv.h>
#include <thread>
#include <vector>

namespace {

QByteArray Bytes(std::initializer_list<unsigned char> bytes)
{
    QByteArray result;
    for (unsigned char b : bytes)
        result.append(static_cast<char>(b));
    return result;
}

TEST(Big5, EncodesChineseAndAsciiByteForByte)
{
    const Big5Text text = ToBig5(QStringLiteral("中文 A1"));
    EXPECT_EQ(text.bytes, Bytes({0xA4, 0xA4, 0xA4, 0xE5, ' ', 'A', '1'}));
    EXPECT_FALSE(text.substituted);
    EXPECT_EQ(ToBig5(QStringLiteral("王小明")).bytes, Bytes({0xA4, 0xFD, 0xA4, 0x70, 0xA9, 0xFA}));
    EXPECT_TRUE(ToBig5(QString()).bytes.isEmpty());
}

TEST(Big5, ReplacesWhatBig5CannotHoldAndSaysSo)
{
    // 堃 (U+5803), 峯 (U+5CEF) and 𡒄 (outside the basic plane) have no Big5 code.
    const Big5Text name = ToBig5(QStringLiteral("王小堃"));
    EXPECT_EQ(name.bytes, Bytes({0xA4, 0xFD, 0xA4, 0x70, 0xA1, 0x48}));
    EXPECT_TRUE(name.substituted);

    const Big5Text mixed = ToBig5(QStringLiteral("峯A𡒄中"));
    EXPECT_EQ(mixed.bytes, Bytes({0xA1, 0x48, 'A', 0xA1, 0x48, 0xA4, 0xA4}));
    EXPECT_TRUE(mixed.substituted);
    // The substitute keeps the byte width of a Chinese character, so fixed widths stay fixed.
    EXPECT_EQ(ToBig5(QStringLiteral("王小堃")).bytes.size(), ToBig5(QStringLiteral("王小明")).bytes.size());
}

TEST(Big5, DecodesBackAndMarksUndefinedBytes)
{
    EXPECT_EQ(FromBig5(Bytes({0xBB, 0xC8, 0xA6, 0xE6, '0', '1'})), QStringLiteral("銀行01"));
    EXPECT_EQ(FromBig5(ToBig5(QStringLiteral("臺灣銀行薪資轉存")).bytes), QStringLiteral("臺灣銀行薪資轉存"));
    // A lead byte followed by a byte that cannot trail: only the lead byte is lost.
    EXPECT_EQ(FromBig5(Bytes({0xA4, 0xA4, 0x81, '0', 'A'})), QStringLiteral("中\uFFFD0A"));
    // A lead byte cut off at the end of the data.
    EXPECT_EQ(FromBig5(Bytes({'A', 0xA4})), QStringLiteral("A\uFFFD"));
    // Many undefined bytes in a row need more room than the input had.
    EXPECT_EQ(FromBig5(QByteArray(50, '\xFF')), QString(50, QChar(0xFFFD)));
}

TEST(Big5, CutsWithoutSplittingACharacter)
{
    const QByteArray name = ToBig5(QStringLiteral("王小明")).bytes;   // 6 bytes
    EXPECT_EQ(CutBig5(name, 6), name);
    EXPECT_EQ(CutBig5(name, 10), name);
    EXPECT_EQ(CutBig5(name, 5), name.left(4));   // the third character would straddle the cut
    EXPECT_EQ(CutBig5(name, 1), QByteArray());
    EXPECT_EQ(CutBig5(name, 0), QByteArray());
    EXPECT_EQ(CutBig5(name, -3), QByteArray());

    // Counting starts at the beginning: a trail byte in the ASCII range is not taken for a character.
    const QByteArray mixed = ToBig5(QStringLiteral("A許功蓋B")).bytes;   // 許 is B3 5C, 功 A5 5C
    ASSERT_EQ(mixed.size(), 8);
    EXPECT_EQ(CutBig5(mixed, 4), mixed.left(3));
    EXPECT_EQ(CutBig5(mixed, 5), mixed.left(5));
    EXPECT_EQ(CutBig5(mixed, 7), mixed.left(7));
}

TEST(TraditionalToSimplified, ConvertsReportCaptions)
{
    EXPECT_EQ(BIG5toGB(QStringLiteral("月薪資轉存清冊")), QStringLiteral("月薪资转存清册"));
    EXPECT_EQ(BIG5toGB(QStringLiteral("臺灣銀行")), QStringLiteral("台湾银行"));
    EXPECT_EQ(BIG5toGB(QStringLiteral("** 總    計 **")), QStringLiteral("** 总    计 **"));
    EXPECT_EQ(BIG5toGB(QStringLiteral("頁次:")), QStringLiteral("页次:"));
    EXPECT_EQ(BIG5toGB(QStringLiteral("ABC 123")), QStringLiteral("ABC 123"));
    EXPECT_TRUE(BIG5toGB(QString()).isEmpty());
}

} // namespace

TEST(Big5, HalfACharacterPairIsSubstitutedAndReported)
{
    const QString damaged = QStringLiteral("王") + QChar(0xD800) + QStringLiteral("明");
    const Big5Text big5 = ToBig5(damaged);
    EXPECT_TRUE(big5.substituted);
    EXPECT_EQ(FromBig5(big5.bytes), QStringLiteral("王？明"));
    EXPECT_FALSE(ToBig5(QString::fromUcs4(U"王\U00020000")).bytes.contains('?')) << "a whole pair Big5 lacks is substituted too";
}

TEST(Big5, EveryCharacterOfTheBasicPlaneEncodesAsTheConverterGivesIt)
{
    // Looked up from two threads at once, as the two cores rendering a media file do.
    const auto encodeAll = [](std::vector<QByteArray>& out) {
        for (char32_t c = 0x80; c < 0x10000; ++c)
            out.push_back(c >= 0xD800 && c < 0xE000 ? QByteArray() : ToBig5(QString(QChar(char16_t(c)))).bytes);
    };
    std::vector<QByteArray> here, there;
    std::thread second(encodeAll, std::ref(there));
    encodeAll(here);
    second.join();
    ASSERT_EQ(here, there);

    iconv_t cd = iconv_open("CP950", "UTF-16LE");
    ASSERT_NE(cd, reinterpret_cast<iconv_t>(-1));
    int held = 0;
    for (char32_t c = 0x80; c < 0x10000; ++c) {
        if (c >= 0xD800 && c < 0xE000)
            continue;
        const char16_t unit = qToLittleEndian(char16_t(c));
        char* in = const_cast<char*>(reinterpret_cast<const char*>(&unit));
        size_t inLeft = sizeof unit, outLeft = 4;
        char bytes[4];
        char* out = bytes;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        const bool converted = iconv(cd, &in, &inLeft, &out, &outLeft) != size_t(-1);
        held += converted;
        const QByteArray expected = converted ? QByteArray(bytes, out - bytes) : QByteArray("\xA1\x48", 2);
        ASSERT_EQ(here[c - 0x80], expected) << "U+" << std::hex << unsigned(c);
    }
    iconv_close(cd);
    EXPECT_GT(held, 13000);
    // Within a text, each character keeps its bytes and a substitute marks the text.
    const Big5Text text = ToBig5(QStringLiteral("\u0080王堃A"));
    EXPECT_EQ(text.bytes, QByteArray("\x80\xA4\xFD\xA1\x48" "A"));
    EXPECT_TRUE(text.substituted);
}
