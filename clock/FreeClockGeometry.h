#pragma once

#include <QRect>
#include <QSize>

#include <optional>

// The free clock's geometry for its time text, or nothing when the current width is within
// 5 pixels of the needed one: the window does not jitter as the digits change. A clock
// resting against the right or bottom screen edge stays against it while it resizes.
std::optional<QRect> FreeClockGeometry(const QRect& current, const QSize& textSize, int horisSpace, int vertSpace,
                                       const QRect& screen);
