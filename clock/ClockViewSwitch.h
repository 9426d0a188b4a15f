#pragma once

#include <QSize>
#include <QtGlobal>

// What the view switches act on: the clock window, its tray icon and its face picture.
class ClockSurface {
public:
    virtual ~ClockSurface() = default;

    virtual quint8 viewMode() const = 0;
    virtual void setViewMode(quint8 mode) = 0;
    virtual void setClockVisible(bool visible) = 0;
    virtual bool trayIconAvailable() const = 0;
    virtual void setTrayIconVisible(bool visible) = 0;
    // Tells the user that the desktop has no system tray.
    virtual void tellNoTrayIcon() = 0;
    virtual void loadAnalogPicture() = 0;
    virtual void clearAnalogPicture() = 0;
    // Round for the analog clock, no mask otherwise.
    virtual void setRoundShape(bool round) = 0;
    virtual void resizeClock(const QSize& size) = 0;
};

inline constexpr int AnalogClockSize = 96;

// The switches between the view modes. Each does nothing when its mode is already in force.
class ClockViewSwitch {
public:
    explicit ClockViewSwitch(ClockSurface& surface) : surface_(surface) {}

    void toTrayIcon();
    void toFreeClock();
    void toAnalogClock();

    // Shows or hides the tray icon. Where the desktop has no tray, showing it tells the user
    // (the first time only) and shows the analog clock instead, so the program stays reachable.
    void showTrayIcon(bool shown);

private:
    ClockSurface& surface_;
    bool noTrayIconTold_ = false;
};
