// Number masks of report items, as amounts print on the transfer lists.
#include "runtime/report/numbermask.h"
#include "runtime/report/reporterror.h"
#include <gtest/gtest.h>

using report::FormatMask;

TEST(NumberMask, AmountsGetThousandsSeparatorsAndTwoDecimals)
{
    const QString mask = QStringLiteral("#,##0.00");
    EXPECT_EQ(FormatMask(1234.56, mask), QStringLiteral("1,234.56"));
    EXPECT_EQ(FormatMask(1234567890.5, mask), QStringLiteral("1,234,567,890.50"));
    EXPECT_EQ(FormatMask(0, mask), QStringLiteral("0.00"));
    EXPECT_EQ(FormatMask(999, mask), QStringLiteral("999.00"));
    EXPECT_EQ(FormatMask(-1234.5, mask), QStringLiteral("-1,234.50"));
}

TEST(NumberMask, RoundingIsHalfAwayFromZeroOnTheDecimalDigitsAndNeverGivesMinusZero)
{
    const QString mask = QStringLiteral("#,##0.00");
    EXPECT_EQ(FormatMask(1.005, mask), QStringLiteral("1.01"));          // 1.00499999... in binary
    EXPECT_EQ(FormatMask(999999.995, mask), QStringLiteral("1,000,000.00"));
    EXPECT_EQ(FormatMask(-2.675, mask), QStringLiteral("-2.68"));
    EXPECT_EQ(FormatMask(-0.004, mask), QStringLiteral("0.00"));
    EXPECT_EQ(FormatMask(0.1 + 0.2, QStringLiteral("0.0000000000")), QStringLiteral("0.3000000000"));
}

TEST(NumberMask, OptionalDigitsAreWrittenOnlyWhenSignificant)
{
    EXPECT_EQ(FormatMask(1234567, QStringLiteral("#,##0")), QStringLiteral("1,234,567"));
    EXPECT_EQ(FormatMask(0, QStringLiteral("#,###")), QString());
    EXPECT_EQ(FormatMask(2.5, QStringLiteral("0.##")), QStringLiteral("2.5"));
    EXPECT_EQ(FormatMask(2, QStringLiteral("0.##")), QStringLiteral("2"));
    EXPECT_EQ(FormatMask(7, QStringLiteral("000")), QStringLiteral("007"));
}

TEST(NumberMask, AMaskWithOtherCharactersIsRefused)
{
    EXPECT_THROW(FormatMask(1, QStringLiteral("$#,##0.00")), report::ReportError);
    EXPECT_THROW(FormatMask(1, QStringLiteral("0.0.0")), report::ReportError);
}
