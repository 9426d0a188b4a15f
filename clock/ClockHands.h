#pragma once

#include <QColor>
#include <QLine>
#include <QSize>
#include <QTime>

#include <array>

// One hand of the analog clock: a straight line from the centre.
struct ClockHand {
    QLine line;
    int penWidth = 1;
};

inline const QColor ClockHandColor(64, 0, 0);

// The seconds, minutes and hours hands for a clock of that size, in drawing order (the hour
// hand last, on top). Milliseconds are ignored.
std::array<ClockHand, 3> ClockHands(const QSize& clockSize, const QTime& time);
