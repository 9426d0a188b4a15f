#include "clock/FreeClockGeometry.h"

#include "platform/Skin.h"

#include <cstdlib>

std::optional<QRect> FreeClockGeometry(const QRect& current, const QSize& textSize, int horisSpace, int vertSpace,
                                       const QRect& screen)
{
    const int width = textSize.width() + 6 + horisSpace;
    if (std::abs(width - current.width()) <= 5)
        return std::nullopt;
    QRect geometry(current.topLeft(), QSize(width, textSize.height() + 1 + vertSpace));
    const int screenRight = screen.left() + screen.width();
    const int screenBottom = screen.top() + screen.height();
    if (Skin::withinSnapDistance(geometry.left() + geometry.width() - screenRight))
        geometry.moveLeft(screenRight - geometry.width());
    if (Skin::withinSnapDistance(geometry.top() + geometry.height() - screenBottom))
        geometry.moveTop(screenBottom - geometry.height());
    return geometry;
}
