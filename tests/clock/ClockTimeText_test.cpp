#include "clock/ClockTimeText.h"

#include <gtest/gtest.h>

#include <QLocale>

namespace {

class ClockTimeTextTest : public ::testing::Test {
protected:
    // Finnish writes times as 9.05.07.
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::Finnish, QLocale::Finland)); }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }
};

TEST_F(ClockTimeTextTest, TwoDigitsAndColonsWhateverTheLocale)
{
    ASSERT_EQ(QLocale().toString(QTime(9, 5, 7), QLocale::LongFormat).indexOf(QLatin1Char(':')), -1);
    EXPECT_EQ(ClockTimeText(QTime(9, 5, 7)), QStringLiteral("09:05:07"));
    EXPECT_EQ(ClockTimeText(QTime(23, 59, 59)), QStringLiteral("23:59:59"));
    EXPECT_EQ(ClockTimeText(QTime(0, 0, 0, 999)), QStringLiteral("00:00:00"));
}

}  // namespace
