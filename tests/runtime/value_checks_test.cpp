// The checks of single values that guard the bank files and the imports.
#include "runtime/value_checks.h"

#include <gtest/gtest.h>

namespace {

using values::Fault;

TEST(ValueChecks, AmountsAreNumbersAsWrittenAndNothingElse)
{
    const struct {
        const char* text;
        std::optional<double> value;
    } cases[] = {{"1000", 1000},   {"-12.50", -12.5}, {" 3 ", 3},         {"+.5", 0.5},          {"1e3", 1000},
                 {"1,000", {}},    {"abc", {}},       {"", {}},           {"12a", {}},           {"1e", {}},
                 {"inf", {}},      {"nan", {}},       {"1e999", {}},      {"- 1", {}},           {".", {}}};
    for (const auto& c : cases)
        EXPECT_EQ(values::ParseAmount(QString::fromUtf8(c.text)), c.value) << c.text;
    EXPECT_EQ(values::ParseAmount(QString(QChar(0))), std::nullopt) << "a zero byte";
}

TEST(ValueChecks, AnAmountFitsItsFieldOrSaysWhyNot)
{
    EXPECT_EQ(values::AmountFault(-1, 1, 1e6, false), Fault::Negative);
    EXPECT_EQ(values::AmountFault(-1, 1, 1e6, true), std::nullopt) << "a field with a sign";
    EXPECT_EQ(values::AmountFault(21474837, 100, 2147483647, false), Fault::TooLarge);
    EXPECT_EQ(values::AmountFault(21474836, 100, 2147483647, false), std::nullopt);
    EXPECT_EQ(values::AmountFault(1e300, 1, 9e18, false), Fault::TooLarge);
}

TEST(ValueChecks, TextsARecordCanCarry)
{
    const QString emoji = QString::fromUtf8("😀");
    const struct {
        QString text;
        std::optional<Fault> fault;
    } cases[] = {{"A123456789", {}},       {QString::fromUtf8("王小明"), {}}, {"A12\r\n34", Fault::ControlCharacter},
                 {QString(QChar(0x7F)), Fault::ControlCharacter},           {QString(QChar(0)), Fault::ControlCharacter},
                 {"1234" + emoji, Fault::NotBig5},                          {emoji.left(1), Fault::NotBig5},
                 {QString::fromUtf8("王小明") + QChar(0x0E01), Fault::NotBig5}};
    for (const auto& c : cases)
        EXPECT_EQ(values::TextFault(c.text), c.fault) << c.text.toStdString();
    EXPECT_EQ(values::Shown(u"A1\r\n2"), "A1<0D><0A>2");
    EXPECT_TRUE(values::IsDigits(u"0123"));
    EXPECT_FALSE(values::IsDigits(QString::fromUtf8("１２")));
}

TEST(ValueChecks, CutsByWholeCharacters)
{
    const QString emoji = QString::fromUtf8("😀");
    EXPECT_EQ(values::Big5Leading(QString::fromUtf8("郵局郵局"), 7), QString::fromUtf8("郵局郵"));
    EXPECT_EQ(values::Big5Leading("ab" + emoji + "c", 3), "ab") << "never half a surrogate pair";
    EXPECT_EQ(values::Big5Leading("ab" + emoji + "c", 4), "ab" + emoji);
}

} // namespace
