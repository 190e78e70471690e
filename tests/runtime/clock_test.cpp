// "Today": a pin wins over RAR1_TODAY, which wins over the system date.
#include "runtime/clock.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

class Clock : public ::testing::Test {
protected:
    void SetUp() override { saved_ = qgetenv("RAR1_TODAY"); }
    void TearDown() override
    {
        SetToday(QDate());
        if (saved_.isNull())
            qunsetenv("RAR1_TODAY");
        else
            qputenv("RAR1_TODAY", saved_);
    }

private:
    QByteArray saved_;
};

TEST_F(Clock, PinBeatsEnvironmentBeatsSystemDate)
{
    qunsetenv("RAR1_TODAY");
    const QDate before = QDate::currentDate();
    const QDate today = Today();
    EXPECT_TRUE(today == before || today == QDate::currentDate()) << "the system date, midnight or not";
    qputenv("RAR1_TODAY", "2026-03-01");
    EXPECT_EQ(Today(), QDate(2026, 3, 1));
    SetToday(QDate(2024, 2, 15));
    EXPECT_EQ(Today(), QDate(2024, 2, 15));
    SetToday(QDate());
    EXPECT_EQ(Today(), QDate(2026, 3, 1));
}

TEST_F(Clock, MalformedEnvironmentDateIsRefused)
{
    for (const char* bad : {"2026-02-30", "01/03/2026", "tomorrow"}) {
        qputenv("RAR1_TODAY", bad);
        EXPECT_THROW(Today(), std::invalid_argument) << bad;
    }
}

} // namespace
