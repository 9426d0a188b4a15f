#include "draw/uLarkspurUtils.h"

#include "platform/DateTime.h"
#include "platform/SystemClock.h"

#include <gtest/gtest.h>

namespace {

double At(int year, int month, int day, int hour = 0, int minute = 0)
{
    return DateTime::encode(QDate(year, month, day), QTime(hour, minute));
}

struct PeriodCase {
    const char* name;
    quint8 code;
    qint32 count;
    double date;
    double expected;
};

class IncPeriodTest : public ::testing::TestWithParam<PeriodCase> {};

TEST_P(IncPeriodTest, MovesByTheUnit)
{
    const PeriodCase& c = GetParam();
    EXPECT_EQ(IncPeriod(c.code, c.count, c.date), c.expected)
        << DateTime::toDateTime(IncPeriod(c.code, c.count, c.date)).toString(Qt::ISODateWithMs).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Units, IncPeriodTest,
    ::testing::Values(PeriodCase{"minutes", ptMinutes, 90, At(2025, 3, 14, 9, 30), At(2025, 3, 14, 11, 0)},
                      PeriodCase{"minutesBack", ptMinutes, -45, At(2025, 3, 14, 0, 15), At(2025, 3, 13, 23, 30)},
                      PeriodCase{"hours", ptHours, 25, At(2025, 3, 14, 9, 30), At(2025, 3, 15, 10, 30)},
                      PeriodCase{"days", ptDays, 3, At(2025, 12, 30, 8, 0), At(2026, 1, 2, 8, 0)},
                      PeriodCase{"weeks", ptWeeks, 2, At(2025, 3, 14, 9, 30), At(2025, 3, 28, 9, 30)},
                      PeriodCase{"monthClamped", ptMonths, 1, At(2025, 1, 31, 10, 0), At(2025, 2, 28, 10, 0)},
                      PeriodCase{"monthClampedLeap", ptMonths, 1, At(2024, 1, 31, 10, 0), At(2024, 2, 29, 10, 0)},
                      PeriodCase{"monthsIntoNextYear", ptMonths, 14, At(2025, 11, 30, 7, 0), At(2027, 1, 30, 7, 0)},
                      PeriodCase{"monthsBack", ptMonths, -3, At(2025, 5, 31, 7, 0), At(2025, 2, 28, 7, 0)},
                      PeriodCase{"yearFromLeapDay", ptYears, 1, At(2024, 2, 29, 12, 0), At(2025, 2, 28, 12, 0)},
                      PeriodCase{"fourYearsFromLeapDay", ptYears, 4, At(2024, 2, 29), At(2028, 2, 29)},
                      PeriodCase{"codeZero", 0, 5, At(2025, 3, 14, 9, 30), 0.0},
                      PeriodCase{"codeSeven", 7, 5, At(2025, 3, 14, 9, 30), 0.0}),
    [](const ::testing::TestParamInfo<PeriodCase>& info) { return std::string(info.param.name); });

// Each step starts from the previous result, so a clamped day stays clamped.
TEST(IncPeriodSeries, MonthlyFromThe31stStaysOnThe28th)
{
    double t = At(2025, 1, 31, 10, 0);
    t = IncPeriod(ptMonths, 1, t);
    EXPECT_EQ(t, At(2025, 2, 28, 10, 0));
    t = IncPeriod(ptMonths, 1, t);
    EXPECT_EQ(t, At(2025, 3, 28, 10, 0));
}

TEST(IncPeriodSeries, MinuteStepsForAYearLandExactlyOnTheMinute)
{
    const double start = At(2024, 3, 14, 9, 30);
    double t = start;
    for (int minute = 0; minute < 365 * 1440; ++minute)
        t = IncPeriod(ptMinutes, 1, t);
    EXPECT_EQ(t, At(2025, 3, 14, 9, 30));
}

TEST(SystemStartTime, IsNowMinusTheUptimeBeyondThe32BitWrap)
{
    SystemClock::setNow(QDateTime(QDate(2025, 3, 14), QTime(9, 30)));
    const quint64 sixtyDays = 60ULL * 86400000ULL;  // past 2^32 milliseconds
    SystemClock::setUptimeMs(sixtyDays + 3600000);
    const double start = SystemStartTime();
    SystemClock::setNow(std::nullopt);
    SystemClock::setUptimeMs(std::nullopt);
    EXPECT_NEAR(start, At(2025, 1, 13, 8, 30), 1e-9);
}

}  // namespace
