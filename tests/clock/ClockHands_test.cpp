#include "clock/ClockHands.h"

#include <gtest/gtest.h>

namespace {

enum Hand { Seconds, Minutes, Hours };

struct HandCase {
    QTime time;
    Hand hand;
    QPoint end;
};

class ClockHandsTest : public ::testing::TestWithParam<HandCase> {};

TEST_P(ClockHandsTest, EndPointOnThe96PixelClock)
{
    const HandCase& c = GetParam();
    const std::array<ClockHand, 3> hands = ClockHands(QSize(96, 96), c.time);
    EXPECT_EQ(hands[c.hand].line.p1(), QPoint(48, 48));
    EXPECT_EQ(hands[c.hand].line.p2(), c.end) << c.time.toString().toStdString() << " hand " << c.hand;
}

// The one-pixel shortfalls of the vertical hands come from the 32-bit angle.
INSTANTIATE_TEST_SUITE_P(EdgeCases, ClockHandsTest,
                         ::testing::Values(HandCase{QTime(3, 0, 0), Seconds, {48, 9}},
                                           HandCase{QTime(3, 0, 0), Minutes, {48, 11}},
                                           HandCase{QTime(3, 0, 0), Hours, {76, 48}},
                                           HandCase{QTime(6, 30, 0), Minutes, {48, 85}},
                                           HandCase{QTime(6, 30, 0), Hours, {41, 75}},
                                           HandCase{QTime(15, 0, 0), Hours, {75, 48}},
                                           HandCase{QTime(0, 0, 45), Seconds, {9, 48}},
                                           HandCase{QTime(9, 0, 0, 999), Seconds, {48, 9}}));

TEST(ClockHands, PenWidthsInDrawingOrderAndCentreFromTheClockSize)
{
    const std::array<ClockHand, 3> hands = ClockHands(QSize(97, 61), QTime(12, 0));
    EXPECT_EQ(hands[Seconds].penWidth, 1);
    EXPECT_EQ(hands[Minutes].penWidth, 2);
    EXPECT_EQ(hands[Hours].penWidth, 3);
    for (const ClockHand& hand : hands)
        EXPECT_EQ(hand.line.p1(), QPoint(48, 30));
}

}  // namespace
