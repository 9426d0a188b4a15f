#include "clock/ReminderScanTrigger.h"

#include <gtest/gtest.h>

#include <QTimer>

#include <stdexcept>

namespace {

class ReminderScanTriggerTest : public ::testing::Test {
protected:
    QTimer tmrTime;
    int scans = 0;
    bool timerActiveDuringScan = true;
    void SetUp() override
    {
        tmrTime.setInterval(1000);
        tmrTime.start();
    }
    std::function<void()> scan()
    {
        return [this] {
            ++scans;
            timerActiveDuringScan = tmrTime.isActive();
        };
    }
};

TEST_F(ReminderScanTriggerTest, ScansOnlyWhenNowIsStrictlyLaterThanTheNextDueTime)
{
    const double next = 45730.5;
    EXPECT_FALSE(RunReminderScanWhenDue(tmrTime, next - 1e-6, next, scan()));
    EXPECT_FALSE(RunReminderScanWhenDue(tmrTime, next, next, scan()));
    EXPECT_EQ(scans, 0);
    EXPECT_TRUE(RunReminderScanWhenDue(tmrTime, next + 1e-6, next, scan()));
    EXPECT_EQ(scans, 1);
}

TEST_F(ReminderScanTriggerTest, TheTimerIsOffDuringTheScanAndOnAfterIt)
{
    ASSERT_TRUE(RunReminderScanWhenDue(tmrTime, 2.0, 1.0, scan()));
    EXPECT_FALSE(timerActiveDuringScan);
    EXPECT_TRUE(tmrTime.isActive());
    EXPECT_EQ(tmrTime.interval(), 1000);
}

TEST_F(ReminderScanTriggerTest, AFailingScanLeavesTheTimerRunning)
{
    EXPECT_THROW(RunReminderScanWhenDue(tmrTime, 2.0, 1.0, [] { throw std::runtime_error("database is locked"); }),
                 std::runtime_error);
    EXPECT_TRUE(tmrTime.isActive());
}

}  // namespace
