#include "clock/ClockDrag.h"

#include "platform/Skin.h"

void ClockDrag::press(const QPoint& globalPos, const QPoint& windowPos)
{
    grabOffset_ = globalPos - windowPos;
    active_ = true;
}

std::optional<QPoint> ClockDrag::move(const QPoint& globalPos) const
{
    if (!active_)
        return std::nullopt;
    return globalPos - grabOffset_;
}

std::optional<QPoint> ClockDrag::release(const QPoint& globalPos, const QSize& windowSize, const QRect& screen)
{
    const std::optional<QPoint> dropped = move(globalPos);
    active_ = false;
    if (!dropped)
        return std::nullopt;
    return Skin::snapToScreenEdges(QRect(*dropped, windowSize), screen);
}
