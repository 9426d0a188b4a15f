#include "clock/FreeClockGeometry.h"

#include <gtest/gtest.h>

namespace {

const QRect Screen1280(0, 0, 1280, 1024);
// Text 50×13 with spaces 7 and 3 needs a window of 63×17.
const QSize Text(50, 13);

struct WidthCase {
    int currentWidth;
    bool resizes;
};

class FreeClockWidthTest : public ::testing::TestWithParam<WidthCase> {};

TEST_P(FreeClockWidthTest, ResizesOnlyWhenMoreThanFivePixelsOff)
{
    const WidthCase& c = GetParam();
    const std::optional<QRect> geometry = FreeClockGeometry(QRect(100, 100, c.currentWidth, 40), Text, 7, 3, Screen1280);
    ASSERT_EQ(geometry.has_value(), c.resizes) << "width " << c.currentWidth;
    if (c.resizes) {
        EXPECT_EQ(*geometry, QRect(100, 100, 63, 17));
    }
}

INSTANTIATE_TEST_SUITE_P(Widths, FreeClockWidthTest,
                         ::testing::Values(WidthCase{63, false}, WidthCase{58, false}, WidthCase{68, false},
                                           WidthCase{57, true}, WidthCase{69, true}, WidthCase{0, true}));

struct EdgeCase {
    QPoint topLeft;      // of the window before it resizes to 63×17
    QPoint expected;
};

class FreeClockEdgeTest : public ::testing::TestWithParam<EdgeCase> {};

TEST_P(FreeClockEdgeTest, StaysAgainstTheRightAndBottomEdges)
{
    const EdgeCase& c = GetParam();
    const std::optional<QRect> geometry = FreeClockGeometry(QRect(c.topLeft, QSize(0, 0)), Text, 7, 3, Screen1280);
    ASSERT_TRUE(geometry);
    EXPECT_EQ(geometry->topLeft(), c.expected);
}

// After resizing, the right edge would be 9 (pulled flush) or 10 (left alone) pixels from the
// screen's edge; likewise the bottom edge.
INSTANTIATE_TEST_SUITE_P(Edges, FreeClockEdgeTest,
                         ::testing::Values(EdgeCase{{1280 - 63 - 9, 500}, {1280 - 63, 500}},
                                           EdgeCase{{1280 - 63 - 10, 500}, {1280 - 63 - 10, 500}},
                                           EdgeCase{{1280 - 63 + 9, 500}, {1280 - 63, 500}},
                                           EdgeCase{{300, 1024 - 17 - 9}, {300, 1024 - 17}},
                                           EdgeCase{{300, 1024 - 17 - 10}, {300, 1024 - 17 - 10}},
                                           EdgeCase{{1280 - 63 - 3, 1024 - 17 - 3}, {1280 - 63, 1024 - 17}},
                                           EdgeCase{{2, 2}, {2, 2}}));

}  // namespace
