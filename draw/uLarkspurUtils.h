#pragma once

#include <QColor>
#include <QtGlobal>

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
