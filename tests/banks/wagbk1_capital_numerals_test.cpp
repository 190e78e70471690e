// Chinese capital numerals of the delivery form's total: the place words, the zero runs, both word sets.
#include "banks/wagbk1/capital_numerals.h"

#include <gtest/gtest.h>

namespace {

QString traditional(qint64 amount)
{
    return CapitalNumerals(amount, false).value_or("<none>");
}

TEST(Bank1CapitalNumerals, DigitsWithTheirPlacesAndTheClosingWord)
{
    EXPECT_EQ(traditional(10005), "壹萬零伍元整");
    EXPECT_EQ(traditional(1), "壹元整");
    EXPECT_EQ(traditional(10), "壹拾元整");
    EXPECT_EQ(traditional(7135710), "柒佰壹拾參萬伍仟柒佰壹拾元整");
    EXPECT_EQ(traditional(9999999999999), "玖兆玖仟玖佰玖拾玖億玖仟玖佰玖拾玖萬玖仟玖佰玖拾玖元整");
    EXPECT_EQ(traditional(0), "") << "no amount, no words";
}

TEST(Bank1CapitalNumerals, ARunOfZerosClosesTheGroupsItPassesAndSaysZeroOnce)
{
    EXPECT_EQ(traditional(100010), "壹拾萬零壹拾元整") << "萬 closes the group, then one 零";
    EXPECT_EQ(traditional(10000), "壹萬元整");
    EXPECT_EQ(traditional(100000001), "壹億零壹元整") << "the 萬 group is all zeros: no 萬";
    EXPECT_EQ(traditional(110000000), "壹億壹仟萬元整");
    EXPECT_EQ(traditional(1000000000), "壹拾億元整");
    EXPECT_EQ(traditional(1000010000), "壹拾億零壹萬元整");
    EXPECT_EQ(traditional(1000000000000), "壹兆元整") << "no 億 after the 兆 digit";
    EXPECT_EQ(traditional(1000100000000), "壹兆零壹億元整");
    EXPECT_EQ(traditional(1000001000000), "壹兆零壹佰萬元整");
    EXPECT_EQ(traditional(1001), "壹仟零壹元整");
}

TEST(Bank1CapitalNumerals, TheSimplifiedSet)
{
    EXPECT_EQ(CapitalNumerals(23060, true), QString("贰万叁仟零陆拾元整"));
    EXPECT_EQ(CapitalNumerals(200000000, true), QString("贰亿元整"));
}

TEST(Bank1CapitalNumerals, AmountsWithoutCapitalNumerals)
{
    EXPECT_FALSE(CapitalNumerals(10000000000000, false)) << "beyond the 兆 place";
    EXPECT_FALSE(CapitalNumerals(-5, false));
}

} // namespace
