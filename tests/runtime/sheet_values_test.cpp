// Amounts as a clerk's spreadsheet writes them: the plain ones read straight as cents and every
// other form by the general parse must agree, and a digit beyond the cents is never rounded away.
#include "runtime/sheet_values.h"

#include <gtest/gtest.h>

namespace {

TEST(SheetAmount, EveryFormReadsItsExactValueAndExtraCentsAreRefused)
{
    struct Case {
        const char* text;
        std::optional<double> amount;
        bool tooManyDecimals = false;
    };
    const Case cases[] = {
        {"38749", 38749}, {"38749.5", 38749.5}, {"38749.00", 38749}, {"38749.", 38749}, {".05", 0.05},
        {" 0012 ", 12}, {"38,749", 38749}, {"1,234,567.89", 1234567.89}, {"1.050", 1.05}, {"1e3", 1000},
        {"-5", -5}, {"9999999999.99", 9999999999.99}, {"1234567890123456", 1234567890123456.0},
        {"1.005", std::nullopt, true}, {"12,34", std::nullopt}, {"1.2.3", std::nullopt}, {".", std::nullopt},
        {"", std::nullopt}, {"3８", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        bool tooMany = false;
        EXPECT_EQ(values::ParseSheetAmount(QString::fromUtf8(c.text), &tooMany), c.amount);
        EXPECT_EQ(tooMany, c.tooManyDecimals);
    }
}

} // namespace
