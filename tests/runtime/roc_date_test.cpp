// ROC dates in both directions, across the change from two- to three-digit years (ROC 99/100).
#include "runtime/getdate.h"

#include <gtest/gtest.h>

namespace {

TEST(RocDate, WritesTheYearWithoutPadding)
{
    EXPECT_EQ(R_ChinaToTWData(QDate(2002, 3, 5)), "91/03/05");
    EXPECT_EQ(R_ChinaToTWData(QDate(2010, 12, 31)), "99/12/31");
    EXPECT_EQ(R_ChinaToTWData(QDate(2011, 1, 1)), "100/01/01");
    EXPECT_EQ(R_ChinaToTWData(QDate(2026, 3, 5)), "115/03/05");
    EXPECT_EQ(R_ChinaToTWData(QDate(1912, 1, 1)), "1/01/01");
    EXPECT_TRUE(R_ChinaToTWData(QDate()).isEmpty());
    EXPECT_THROW(R_ChinaToTWData(QDate(1911, 12, 31)), DateError);
}

TEST(RocDate, ReadsTwoAndThreeDigitYears)
{
    EXPECT_EQ(R_TWtoChina("91/03/05"), QDate(2002, 3, 5));
    EXPECT_EQ(R_TWtoChina("99/12/31"), QDate(2010, 12, 31));
    EXPECT_EQ(R_TWtoChina("100/01/01"), QDate(2011, 1, 1));
    EXPECT_EQ(R_TWtoChina("115/03/05"), QDate(2026, 3, 5));
    EXPECT_EQ(R_TWtoChina("113/02/29"), QDate(2024, 2, 29));   // leap day
    // As a masked edit holds it: blanks of the mask around the digits.
    EXPECT_EQ(R_TWtoChina(" 91/ 3/ 5"), QDate(2002, 3, 5));
    EXPECT_EQ(R_TWtoChina("115-03-05"), QDate(2026, 3, 5));
}

TEST(RocDate, RoundTripsAcrossTheCenturyOfTheRepublic)
{
    for (QDate date(2010, 12, 1); date <= QDate(2011, 1, 31); date = date.addDays(1))
        EXPECT_EQ(R_TWtoChina(R_ChinaToTWData(date)), date) << date.toString(Qt::ISODate).toStdString();
}

TEST(RocDate, ImpossibleDatesNameTheFieldAndThePart)
{
    const QString field = QStringLiteral("轉帳日期");
    const auto messageOf = [&](const QString& text) {
        try {
            R_TWtoChina(text, field);
        } catch (const DateError& error) {
            return QString::fromStdString(error.what());
        }
        ADD_FAILURE() << "no error for " << text.toStdString();
        return QString();
    };
    for (const char* text : {"115/02/30", "115/13/01", "115/00/10", "114/02/29", "abc/01/01", "115/03", "1150/01/01",
                             "115/  /01", "115/03/5x", "115/02/289", "115/02/011", "115/02/01x", "115/02/01 junk", "115/02/00"}) {
        const QString message = messageOf(QString::fromUtf8(text));
        EXPECT_TRUE(message.contains(field)) << message.toStdString();
        EXPECT_TRUE(message.contains(QString::fromUtf8(text).trimmed())) << message.toStdString();
    }
    // Which part is wrong is said too (the texts come from the host's table, in its language).
    EXPECT_NE(messageOf("115/13/01"), messageOf("115/02/30"));
    // Day 00 is no day of any month, not one beyond this month's end; a day with more is no date.
    EXPECT_NE(messageOf("115/02/00"), messageOf("115/02/30"));
    EXPECT_NE(messageOf("115/02/289"), messageOf("115/02/30"));
}

TEST(RocDate, EmptyTextsAndMasksAreEmptyDates)
{
    for (const char* text : {"", "  /  /  ", "   /  /  ", "//", " "}) {
        EXPECT_TRUE(DateIsEmpty(text)) << text;
        EXPECT_TRUE(R_TWtoChina(text).isNull()) << text;
    }
    EXPECT_FALSE(DateIsEmpty("115/  /  "));
    EXPECT_FALSE(DateIsEmpty(" 1/  /  "));
}

TEST(RocDate, ConvertsGregorianText)
{
    EXPECT_EQ(R_ChinaToTW("2026/03/05"), "115/03/05");
    EXPECT_EQ(R_ChinaToTW("2010-12-31"), "99/12/31");
    EXPECT_EQ(R_ChinaToTW("2024-2-9"), "113/02/09");
    EXPECT_TRUE(R_ChinaToTW("").isEmpty());
    EXPECT_THROW(R_ChinaToTW("2026/02/30"), DateError);
    EXPECT_THROW(R_ChinaToTW("115/03/05"), DateError);
}

} // namespace
