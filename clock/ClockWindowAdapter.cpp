#include "clock/ClockWindowAdapter.h"

#include "clock/uMain.h"

#include <QFontMetrics>
#include <QLabel>

namespace {

ClockSurface& surface(TfrmClock& clock)
{
    return clock;
}

}  // namespace

quint8 ClockWindowAdapter::viewMode() const
{
    return clock_.ViewMode;
}

void ClockWindowAdapter::setViewMode(quint8 mode)
{
    clock_.ViewMode = mode;
}

// The taskbar clock is not offered here, so its choice switches nothing.
void ClockWindowAdapter::switchView(quint8 mode)
{
    switch (mode) {
    case vmSysTrayIcon: clock_.SwitchToTrayIcon(); break;
    case vmFreeClock: clock_.SwitchToFreeClock(); break;
    case vmAnalogClock: clock_.SwitchToAnalogClock(); break;
    default: break;
    }
}

void ClockWindowAdapter::clearAnalogPicture()
{
    surface(clock_).clearAnalogPicture();
}

void ClockWindowAdapter::shapeAsAnalogClock()
{
    surface(clock_).loadAnalogPicture();
    surface(clock_).setRoundShape(true);
    surface(clock_).resizeClock(QSize(AnalogClockSize, AnalogClockSize));
}

void ClockWindowAdapter::showTrayIcon(bool shown)
{
    clock_.ShowTrayIcon(shown);
}

void ClockWindowAdapter::setClockVisible(bool visible)
{
    surface(clock_).setClockVisible(visible);
}

QPoint ClockWindowAdapter::position() const
{
    return clock_.pos();
}

void ClockWindowAdapter::moveTo(const QPoint& position)
{
    clock_.move(position);
}

void ClockWindowAdapter::setWidth(int width)
{
    clock_.resize(width, clock_.height());
}

void ClockWindowAdapter::setHeight(int height)
{
    clock_.resize(clock_.width(), height);
}

void ClockWindowAdapter::setVertSpace(int space)
{
    clock_.VertSpace = space;
}

void ClockWindowAdapter::setHorisSpace(int space)
{
    clock_.HorisSpace = space;
}

void ClockWindowAdapter::setTimeFont(const QFont& font, TColor color)
{
    clock_.SetClockFont(font, color);
}

QSize ClockWindowAdapter::timeTextSize() const
{
    const QFontMetrics metrics(clock_.font());
    return {metrics.horizontalAdvance(clock_.lbClock->text()), metrics.height()};
}

void ClockWindowAdapter::setBackgroundColor(TColor color)
{
    clock_.SetClockColor(color);
}

void ClockWindowAdapter::tick()
{
    clock_.tmrTimeTimer();
}
