#pragma once

#include <QColor>
#include <QRect>
#include <QTime>

class QPainter;

// The free clock's plate: the background colour with a raised border 2 pixels wide, lit from
// the top left.
void PaintFreeClockPlate(QPainter& painter, const QRect& rect, const QColor& background);

// The three hands of the analog clock over whatever lies beneath.
void PaintClockHands(QPainter& painter, const QSize& clockSize, const QTime& time);
