#include "platform/DateTime.h"

#include <gtest/gtest.h>

namespace {

TEST(RoundedToMillisecond, GivesExactlyTheEncodedMoment)
{
    const double tenPast = DateTime::encode(QDate(2025, 3, 14), QTime(10, 10));
    const double sliver = 0.3 / DateTime::MillisecondsPerDay;
    EXPECT_EQ(DateTime::roundedToMillisecond(tenPast + sliver), tenPast);
    EXPECT_EQ(DateTime::roundedToMillisecond(tenPast - sliver), tenPast);
    EXPECT_EQ(DateTime::roundedToMillisecond(tenPast + 0.7 / DateTime::MillisecondsPerDay),
              DateTime::encode(QDate(2025, 3, 14), QTime(10, 10, 0, 1)));
    // Just before midnight carries into the next day.
    EXPECT_EQ(DateTime::roundedToMillisecond(DateTime::fromDate(QDate(2025, 3, 15)) - sliver),
              DateTime::fromDate(QDate(2025, 3, 15)));
    // Before day 0 the fraction still counts from its own day's midnight.
    EXPECT_EQ(DateTime::roundedToMillisecond(-1.25 - sliver), DateTime::encode(QDate(1899, 12, 29), QTime(6, 0)));
}

}  // namespace
