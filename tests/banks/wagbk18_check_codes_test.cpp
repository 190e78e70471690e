// United World Chinese Commercial Bank: the account and amount check codes and the weight.
#include "banks/wagbk18/check_codes.h"

#include <gtest/gtest.h>

namespace {

TEST(Bank18CheckCodes, TheWorkedExamples)
{
    EXPECT_EQ(AccountCheckCode("12345678901", 7), "13");   // X1 89, X2 126: 06 + 07
    EXPECT_EQ(AmountCheckCode("0000000836100", 7), "18");  // X1 87, X2 44: 11 + 07
}

TEST(Bank18CheckCodes, RemaindersZeroAndOneAndTheWrapAround)
{
    EXPECT_EQ(AccountCheckCode("00000000000", 0), "11") << "remainder 0 gives the digit 1";
    EXPECT_EQ(AccountCheckCode("50000000000", 0), "01") << "X1 = 45, remainder 1 gives the digit 0";
    EXPECT_EQ(AccountCheckCode("01300000000", 0), "95");
    EXPECT_EQ(AccountCheckCode("01300000000", 10), "05") << "95 with weight 10 wraps to 05";
    EXPECT_EQ(AmountCheckCode("0000000000000", 99), "10");
}

TEST(Bank18CheckCodes, OnlyDigitsOfTheExactLengthAreChecked)
{
    for (const char* account : {"1234567890", "123456789012", "1234567890A", "12345 78901", "-1234567890"})
        EXPECT_FALSE(AccountCheckCode(account, 7).has_value()) << account;
    EXPECT_FALSE(AmountCheckCode("000000-500000", 7).has_value());
}

TEST(Bank18CheckCodes, WhatTheTransferTableChecks)
{
    EXPECT_EQ(ListedAccountDigits("12345"), "12345000000");
    EXPECT_EQ(ListedAccountDigits("123456789012"), "12345678901");
    EXPECT_EQ(ListedAccountDigits("123-45"), "00000000000");
    EXPECT_EQ(ListedAccountDigits(""), "00000000000");
    EXPECT_EQ(ListedAmountDigits(8361), "0000000836100");
    EXPECT_EQ(ListedAmountDigits(0.125), "0000000000013") << "halves away from zero";
    EXPECT_FALSE(ListedAmountDigits(-1).has_value());
    EXPECT_EQ(ListedAmountDigits(0), "0000000000000");
    EXPECT_EQ(ListedAmountDigits(99999999999.99), "9999999999999") << "the largest amount of 13 digits";
    EXPECT_FALSE(ListedAmountDigits(100000000000).has_value()) << "one cent more has 14";
}

TEST(Bank18CheckCodes, TheWeight)
{
    EXPECT_EQ(CheckWeight(u"07"), 7);
    EXPECT_EQ(CheckWeight(u"7"), 7);
    EXPECT_FALSE(CheckWeight(u"").has_value());
    EXPECT_FALSE(CheckWeight(u"  ").has_value());
    EXPECT_THROW(CheckWeight(u"7A"), std::runtime_error);
    EXPECT_THROW(CheckWeight(u"100"), std::runtime_error);
    EXPECT_THROW(RequiredWeight(u""), std::runtime_error);
    EXPECT_EQ(RequiredWeight(u"99"), 99);
}

} // namespace
