#include "clock/DayOverviewHover.h"

#include <gtest/gtest.h>

#include <QTimer>

namespace {

class FakeOverview : public DayOverviewWindow {
public:
    bool visible = false;
    int hideTimerInterval = 0;
    bool isOverviewVisible() const override { return visible; }
    void showOverview() override { visible = true; }
    void hideOverview() override { visible = false; }
    void startHideTimer(int intervalMs) override { hideTimerInterval = intervalMs; }
};

class DayOverviewHoverTest : public ::testing::Test {
protected:
    QTimer tmrDayInfoShow;
    DayOverviewHover hover{tmrDayInfoShow};
    FakeOverview overview;
    void SetUp() override { hover.setOverview(&overview); }
};

TEST_F(DayOverviewHoverTest, RestingOnTheClockShowsTheOverviewAfterASecond)
{
    EXPECT_FALSE(tmrDayInfoShow.isActive());
    hover.mouseEntered();
    EXPECT_TRUE(tmrDayInfoShow.isActive());
    EXPECT_EQ(tmrDayInfoShow.interval(), 1000);
    hover.showTimerFired(false);
    EXPECT_FALSE(tmrDayInfoShow.isActive());
    EXPECT_TRUE(overview.visible);
}

TEST_F(DayOverviewHoverTest, AHeldLeftButtonSuppressesTheOverview)
{
    hover.mouseEntered();
    hover.showTimerFired(true);
    EXPECT_FALSE(tmrDayInfoShow.isActive());
    EXPECT_FALSE(overview.visible);
}

TEST_F(DayOverviewHoverTest, LeavingTheClockStopsTheShowAndStartsTheHideDelayOfAShownOverview)
{
    hover.mouseEntered();
    hover.mouseLeft();
    EXPECT_FALSE(tmrDayInfoShow.isActive());
    EXPECT_EQ(overview.hideTimerInterval, 0) << "no hide timer for a hidden overview";

    overview.visible = true;
    hover.mouseLeft();
    EXPECT_EQ(overview.hideTimerInterval, DayOverviewHideAfterClockMs);
    EXPECT_EQ(DayOverviewHideAfterClockMs, 1500);
    EXPECT_EQ(DayOverviewHideAfterOverviewMs, 170);
}

TEST_F(DayOverviewHoverTest, OpeningTheMenuHidesTheOverviewAndCancelsItsShow)
{
    overview.visible = true;
    hover.mouseEntered();
    hover.menuOpening();
    EXPECT_FALSE(tmrDayInfoShow.isActive());
    EXPECT_FALSE(overview.visible);
}

TEST_F(DayOverviewHoverTest, ATrayClickShowsTheOverviewAtOnce)
{
    hover.trayIconClicked();
    EXPECT_TRUE(overview.visible);
}

TEST(DayOverviewHover, WithoutAnOverviewWindowNothingBreaks)
{
    QTimer timer;
    DayOverviewHover hover(timer);
    hover.mouseEntered();
    hover.showTimerFired(false);
    hover.mouseLeft();
    hover.menuOpening();
    hover.trayIconClicked();
    EXPECT_FALSE(timer.isActive());
}

}  // namespace
