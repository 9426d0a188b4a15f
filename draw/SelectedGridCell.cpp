#include "draw/uLarkspurUtils.h"

#include <QPainter>
#include <QRect>

namespace {

constexpr TColor GradientTop = RGBColor(213, 238, 68);
constexpr TColor GradientBottom = RGBColor(131, 159, 15);
constexpr TColor FrameColor = RGBColor(124, 124, 148);

void DrawFrame(QPainter& painter, const QRect& rect, const QColor& color)
{
    painter.fillRect(QRect(rect.x(), rect.y(), rect.width(), 1), color);
    painter.fillRect(QRect(rect.x(), rect.y() + rect.height() - 1, rect.width(), 1), color);
    painter.fillRect(QRect(rect.x(), rect.y(), 1, rect.height()), color);
    painter.fillRect(QRect(rect.x() + rect.width() - 1, rect.y(), 1, rect.height()), color);
}

}  // namespace

void DrawSelectedGridCell(QPainter& painter, const QRect& rect, const QString& displayText, bool selected)
{
    if (!selected || rect.isEmpty())
        return;
    GradientFill(painter, rect, false, {GradientTop, GradientBottom});
    DrawFrame(painter, rect, ColorToQColor(FrameColor));

    painter.save();
    QFont bold = painter.font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setBrush(Qt::NoBrush);
    painter.setClipRect(rect, Qt::IntersectClip);
    painter.drawText(QRect(QPoint(rect.x() + 2, rect.y() + 2), rect.bottomRight()),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, displayText);
    painter.restore();
}
