#include "clock/ClockHands.h"

#include <cmath>
#include <numbers>

namespace {

// The angle is held as a 32-bit float (so π/2 comes out a hair above π/2) while its sine and
// cosine are taken in double precision; with the truncation this puts a vertical hand one
// pixel short of its length.
QLine handLine(QPoint centre, double value, double fullCircle, int length)
{
    const float angle = static_cast<float>((2.0 * value / fullCircle - 0.5) * -std::numbers::pi);
    const int dx = static_cast<int>(std::cos(static_cast<double>(angle)) * length);
    const int dy = static_cast<int>(std::sin(static_cast<double>(angle)) * length);
    return QLine(centre, QPoint(centre.x() + dx, centre.y() - dy));
}

}  // namespace

std::array<ClockHand, 3> ClockHands(const QSize& clockSize, const QTime& time)
{
    const QPoint centre(clockSize.width() / 2, clockSize.height() / 2);
    const double h = time.hour();
    const double m = time.minute();
    const double s = time.second();
    return {{
        {handLine(centre, s, 60.0, 40), 1},
        {handLine(centre, m + s / 60.0, 60.0, 38), 2},
        {handLine(centre, h + m / 60.0, 12.0, 28), 3},
    }};
}
