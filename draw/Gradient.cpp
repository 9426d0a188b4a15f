#include "draw/uLarkspurUtils.h"

#include <QPainter>
#include <QRect>

#include <cmath>

namespace {

// numerator / denominator (denominator > 0) rounded to the nearest integer, halves to even.
int RoundHalfEven(int numerator, int denominator)
{
    int quotient = numerator / denominator;
    int remainder = numerator % denominator;
    if (remainder < 0) {
        --quotient;
        remainder += denominator;
    }
    if (2 * remainder > denominator || (2 * remainder == denominator && quotient % 2 != 0))
        ++quotient;
    return quotient;
}

int Interpolate(int from, int to, double t)
{
    return static_cast<int>(std::trunc((to - from) * t + from));
}

}  // namespace

void GradientFill(QPainter& painter, const QRect& rect, bool Horizontal, const QList<TColor>& colors)
{
    const int bands = static_cast<int>(colors.size()) - 1;
    if (bands <= 0)
        throw EMathError("Es mussen mindestens zwei Farben angegeben werden.");

    // The rectangle's right and bottom edges lie outside it.
    const int size = Horizontal ? rect.width() : rect.height();
    QList<QColor> rgb;
    rgb.reserve(colors.size());
    for (TColor color : colors)
        rgb.append(ColorToQColor(color));

    const int step = RoundHalfEven(size, bands);
    for (int band = 0; band < bands; ++band) {
        const int length = band == bands - 1 ? size - band * step - 1 : step;
        const QColor& from = rgb[band];
        const QColor& to = rgb[band + 1];
        for (int k = 0; k <= length; ++k) {
            const int position = band * step + k;
            // Rounding Step up lets a band of a tiny rectangle run past its far edge.
            if (position >= size)
                break;
            // A band of length 0 is one line in its first colour.
            const double t = length > 0 ? static_cast<double>(k) / length : 0.0;
            const QColor line(Interpolate(from.red(), to.red(), t), Interpolate(from.green(), to.green(), t),
                              Interpolate(from.blue(), to.blue(), t));
            // One-pixel strips rather than pen lines: exact pixels whatever the painter's
            // antialiasing, and the pen stays untouched.
            if (Horizontal)
                painter.fillRect(QRect(rect.x() + position, rect.y(), 1, rect.height()), line);
            else
                painter.fillRect(QRect(rect.x(), rect.y() + position, rect.width(), 1), line);
        }
    }
}
