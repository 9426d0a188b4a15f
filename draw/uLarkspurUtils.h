#pragma once

#include <QColor>
#include <QList>
#include <QtGlobal>

#include <stdexcept>

class QPainter;
class QRect;
class QString;

// A colour as the configuration stores it: 0x00BBGGRR with red in the low byte, or a system
// colour constant (the high bit set, the palette entry in the low byte).
using TColor = quint32;

inline constexpr TColor SystemColorFlag = 0x80000000u;
// The system colours the program uses, by their classic palette index.
inline constexpr TColor clWindow = SystemColorFlag | 5u;
inline constexpr TColor clWindowText = SystemColorFlag | 8u;
inline constexpr TColor clHighlight = SystemColorFlag | 13u;
inline constexpr TColor clHighlightText = SystemColorFlag | 14u;
inline constexpr TColor clBtnFace = SystemColorFlag | 15u;
inline constexpr TColor clBtnText = SystemColorFlag | 18u;

constexpr TColor RGBColor(int red, int green, int blue)
{
    return static_cast<TColor>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}

// Plain RGB: a system colour becomes the current palette's colour.
QColor ColorToQColor(TColor color);
TColor QColorToColor(const QColor& color);

// a * b / c rounded to the nearest integer, halves away from zero.
int MulDiv(int a, int b, int c);

TColor DarkenColor(TColor color, quint8 percent);
TColor LightenColor(TColor color, quint8 percent);

// A drawing routine was asked for something it cannot compute.
class EMathError : public std::domain_error {
public:
    using std::domain_error::domain_error;
};

// Fills Rect with a gradient through two or more colours: left to right when Horizontal,
// else top to bottom. Throws EMathError, drawing nothing, for fewer than two colours. The
// painter's pen, brush and font are left as they were.
void GradientFill(QPainter& painter, const QRect& rect, bool Horizontal, const QList<TColor>& colors);

// The selected row of the list grids: a green gradient, a grey-blue frame and the cell's text
// in bold, in the painter's current pen colour. Leaves an unselected cell as it is.
void DrawSelectedGridCell(QPainter& painter, const QRect& rect, const QString& displayText, bool selected);

// Period-type codes of repeats, active times and postponements.
enum PeriodCode : quint8 {
    ptMinutes = 1,
    ptHours = 2,
    ptDays = 3,
    ptWeeks = 4,
    ptMonths = 5,
    ptYears = 6,
};

// date moved by count units of the period-type code, months and years by the calendar with
// the day clamped to the month's length; 0.0 for an unknown code. The result lies on a whole
// millisecond, so a series walked step by step stays on its grid.
double IncPeriod(quint8 code, qint32 count, double date);

// The moment the system started: now minus the uptime.
double SystemStartTime();
