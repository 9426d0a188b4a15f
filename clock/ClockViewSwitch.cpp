#include "clock/ClockViewSwitch.h"

#include "clock/ClockViewMode.h"

void ClockViewSwitch::toTrayIcon()
{
    if (surface_.viewMode() == vmSysTrayIcon)
        return;
    surface_.setViewMode(vmSysTrayIcon);
    surface_.setClockVisible(false);
    showTrayIcon(true);
}

void ClockViewSwitch::toFreeClock()
{
    if (surface_.viewMode() == vmFreeClock)
        return;
    showTrayIcon(false);
    surface_.setClockVisible(true);
    surface_.clearAnalogPicture();
    // The next tick finds the width off and sizes the window to its text.
    surface_.resizeClock(QSize(0, 0));
    surface_.setRoundShape(false);
    surface_.setViewMode(vmFreeClock);
}

void ClockViewSwitch::toAnalogClock()
{
    if (surface_.viewMode() == vmAnalogClock)
        return;
    surface_.setViewMode(vmAnalogClock);
    showTrayIcon(false);
    surface_.setClockVisible(true);
    surface_.loadAnalogPicture();
    surface_.setRoundShape(true);
    surface_.resizeClock(QSize(AnalogClockSize, AnalogClockSize));
}

void ClockViewSwitch::showTrayIcon(bool shown)
{
    if (shown && !surface_.trayIconAvailable()) {
        if (!noTrayIconTold_) {
            noTrayIconTold_ = true;
            surface_.tellNoTrayIcon();
        }
        toAnalogClock();
        return;
    }
    surface_.setTrayIconVisible(shown);
}
