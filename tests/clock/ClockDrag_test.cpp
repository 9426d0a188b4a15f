#include "clock/ClockDrag.h"

#include <gtest/gtest.h>

namespace {

const QRect Screen1280(0, 0, 1280, 1024);
const QSize Clock(96, 96);

TEST(ClockDrag, FollowsThePointerFromWhereItWasGrabbed)
{
    ClockDrag drag;
    EXPECT_FALSE(drag.move(QPoint(10, 10)));
    drag.press(QPoint(530, 320), QPoint(500, 300));
    EXPECT_EQ(drag.move(QPoint(630, 420)), QPoint(600, 400));
    EXPECT_EQ(drag.release(QPoint(640, 430), Clock, Screen1280), QPoint(610, 410));
    EXPECT_FALSE(drag.active());
    EXPECT_FALSE(drag.release(QPoint(640, 430), Clock, Screen1280));
}

struct DropCase {
    QPoint dropped;  // top-left where the pointer leaves the window
    QPoint rests;
};

class ClockDropTest : public ::testing::TestWithParam<DropCase> {};

TEST_P(ClockDropTest, LandsAgainstAScreenEdgeWithinTheSnapDistance)
{
    ClockDrag drag;
    drag.press(QPoint(50, 50), QPoint(0, 0));
    EXPECT_EQ(drag.release(GetParam().dropped + QPoint(50, 50), Clock, Screen1280), GetParam().rests);
}

INSTANTIATE_TEST_SUITE_P(Edges, ClockDropTest,
                         ::testing::Values(DropCase{{9, 500}, {0, 500}}, DropCase{{10, 500}, {10, 500}},
                                           DropCase{{-9, 500}, {0, 500}}, DropCase{{500, 9}, {500, 0}},
                                           DropCase{{1280 - 96 - 9, 500}, {1280 - 96, 500}},
                                           DropCase{{1280 - 96 - 10, 500}, {1280 - 96 - 10, 500}},
                                           DropCase{{500, 1024 - 96 - 9}, {500, 1024 - 96}},
                                           DropCase{{1180, 1020 - 96}, {1184, 1024 - 96}}));

}  // namespace
