#include "draw/uLarkspurUtils.h"

#include <QGuiApplication>
#include <QPalette>

#include <cstdlib>

namespace {

QPalette::ColorRole systemRole(quint32 index)
{
    switch (index) {
    case 5: return QPalette::Base;
    case 8: return QPalette::Text;
    case 13: return QPalette::Highlight;
    case 14: return QPalette::HighlightedText;
    case 18: return QPalette::ButtonText;
    case 23: return QPalette::ToolTipText;
    case 24: return QPalette::ToolTipBase;
    default: return QPalette::Button;
    }
}

}  // namespace

QColor ColorToQColor(TColor color)
{
    if (color & SystemColorFlag)
        return QGuiApplication::palette().color(systemRole(color & 0xFFu));
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

TColor QColorToColor(const QColor& color)
{
    return RGBColor(color.red(), color.green(), color.blue());
}

int MulDiv(int a, int b, int c)
{
    const long long product = static_cast<long long>(a) * b;
    const long long half = std::llabs(c) / 2;
    const long long rounded = (product >= 0) == (c >= 0) ? (std::llabs(product) + half) / std::llabs(c)
                                                         : -((std::llabs(product) + half) / std::llabs(c));
    return static_cast<int>(rounded);
}

TColor DarkenColor(TColor color, quint8 percent)
{
    const QColor rgb = ColorToQColor(color);
    auto shade = [percent](int x) { return x - MulDiv(x, percent, 100); };
    return RGBColor(shade(rgb.red()), shade(rgb.green()), shade(rgb.blue()));
}

TColor LightenColor(TColor color, quint8 percent)
{
    const QColor rgb = ColorToQColor(color);
    auto shade = [percent](int x) { return x + MulDiv(255 - x, percent, 100); };
    return RGBColor(shade(rgb.red()), shade(rgb.green()), shade(rgb.blue()));
}
