#pragma once

#include <QPoint>
#include <QRect>

#include <optional>

// Dragging the clock with the left button pressed anywhere on it, for platforms where the
// program places its own windows. Dropped near a screen edge, the clock lands against it.
class ClockDrag {
public:
    void press(const QPoint& globalPos, const QPoint& windowPos);
    // Where the window goes for this pointer position; nothing when no drag is under way.
    std::optional<QPoint> move(const QPoint& globalPos) const;
    // Ends the drag: where the window rests.
    std::optional<QPoint> release(const QPoint& globalPos, const QSize& windowSize, const QRect& screen);
    bool active() const { return active_; }

private:
    QPoint grabOffset_;
    bool active_ = false;
};
