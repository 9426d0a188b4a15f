#pragma once

#include "draw/uLarkspurUtils.h"

#include <QFont>
#include <QPoint>
#include <QSize>
#include <QtGlobal>

// What the settings act on: the clock window. The clock implements it; the settings dialog
// holds a reference for its whole life.
class ClockWindow {
public:
    virtual ~ClockWindow() = default;

    // The ViewMode field itself, 0 tray icon .. 3 analog clock.
    virtual quint8 viewMode() const = 0;
    virtual void setViewMode(quint8 mode) = 0;
    // The view switch to that mode; does nothing when the mode is already in force.
    virtual void switchView(quint8 mode) = 0;

    // The analog face: cleared, or loaded with the circular region and the 96×96 size.
    virtual void clearAnalogPicture() = 0;
    virtual void shapeAsAnalogClock() = 0;

    virtual void showTrayIcon(bool shown) = 0;
    // The window's visibility, and whether it shows when the message loop starts.
    virtual void setClockVisible(bool visible) = 0;

    virtual QPoint position() const = 0;
    virtual void moveTo(const QPoint& position) = 0;
    virtual void setWidth(int width) = 0;
    virtual void setHeight(int height) = 0;

    virtual void setVertSpace(int space) = 0;
    virtual void setHorisSpace(int space) = 0;

    // The font of the time text, on the clock window and its label lbClock.
    virtual void setTimeFont(const QFont& font, TColor color) = 0;
    // The size of lbClock's present text in the time font.
    virtual QSize timeTextSize() const = 0;
    virtual void setBackgroundColor(TColor color) = 0;

    // One tick of the clock's timer.
    virtual void tick() = 0;
};
