#include "clock/ClockPainting.h"

#include "clock/ClockHands.h"
#include "draw/uLarkspurUtils.h"

#include <QPainter>

namespace {

inline constexpr int PlateBorderWidth = 2;
inline constexpr quint8 PlateShadePercent = 60;

}  // namespace

void PaintFreeClockPlate(QPainter& painter, const QRect& rect, const QColor& background)
{
    painter.fillRect(rect, background);
    const TColor base = QColorToColor(background);
    const QColor light = ColorToQColor(LightenColor(base, PlateShadePercent));
    const QColor dark = ColorToQColor(DarkenColor(base, PlateShadePercent));
    for (int inset = 0; inset < PlateBorderWidth; ++inset) {
        const QRect ring = rect.adjusted(inset, inset, -inset, -inset);
        painter.setPen(light);
        painter.drawLine(ring.bottomLeft(), ring.topLeft());
        painter.drawLine(ring.topLeft(), ring.topRight());
        painter.setPen(dark);
        painter.drawLine(ring.topRight(), ring.bottomRight());
        painter.drawLine(ring.bottomRight(), ring.bottomLeft());
    }
}

void PaintClockHands(QPainter& painter, const QSize& clockSize, const QTime& time)
{
    for (const ClockHand& hand : ClockHands(clockSize, time)) {
        painter.setPen(QPen(ClockHandColor, hand.penWidth, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(hand.line);
    }
}
