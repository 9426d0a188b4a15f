#include "clock/ClockViewSwitch.h"

#include "clock/ClockViewMode.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace {

// Records what a switch does to the window, in order.
class RecordingSurface : public ClockSurface {
public:
    quint8 mode = vmSysTrayIcon;
    bool trayAvailable = true;
    QStringList calls;

    quint8 viewMode() const override { return mode; }
    void setViewMode(quint8 m) override { mode = m; calls << QStringLiteral("mode %1").arg(m); }
    void setClockVisible(bool v) override { calls << (v ? QStringLiteral("show clock") : QStringLiteral("hide clock")); }
    bool trayIconAvailable() const override { return trayAvailable; }
    void setTrayIconVisible(bool v) override { calls << (v ? QStringLiteral("show tray") : QStringLiteral("hide tray")); }
    void tellNoTrayIcon() override { calls << QStringLiteral("tell no tray"); }
    void loadAnalogPicture() override { calls << QStringLiteral("load picture"); }
    void clearAnalogPicture() override { calls << QStringLiteral("clear picture"); }
    void setRoundShape(bool round) override { calls << (round ? QStringLiteral("round") : QStringLiteral("no mask")); }
    void resizeClock(const QSize& s) override { calls << QStringLiteral("size %1x%2").arg(s.width()).arg(s.height()); }
};

TEST(ClockViewSwitch, EachSwitchInItsOrder)
{
    RecordingSurface surface;
    ClockViewSwitch views(surface);

    views.toAnalogClock();
    EXPECT_EQ(surface.calls, QStringList({"mode 3", "hide tray", "show clock", "load picture", "round", "size 96x96"}));

    surface.calls.clear();
    views.toFreeClock();
    EXPECT_EQ(surface.calls, QStringList({"hide tray", "show clock", "clear picture", "size 0x0", "no mask", "mode 2"}));

    surface.calls.clear();
    views.toTrayIcon();
    EXPECT_EQ(surface.calls, QStringList({"mode 0", "hide clock", "show tray"}));
}

TEST(ClockViewSwitch, TheViewInForceChangesNothing)
{
    for (const quint8 mode : {vmSysTrayIcon, vmFreeClock, vmAnalogClock}) {
        RecordingSurface surface;
        surface.mode = mode;
        ClockViewSwitch views(surface);
        if (mode == vmSysTrayIcon)
            views.toTrayIcon();
        else if (mode == vmFreeClock)
            views.toFreeClock();
        else
            views.toAnalogClock();
        EXPECT_TRUE(surface.calls.isEmpty()) << "mode " << int(mode) << ": " << surface.calls.join(", ").toStdString();
    }
}

TEST(ClockViewSwitch, TheDormantTaskbarModeSwitchesLikeAnyOther)
{
    RecordingSurface surface;
    surface.mode = vmSysTrayClock;
    ClockViewSwitch views(surface);
    views.toFreeClock();
    EXPECT_EQ(surface.mode, vmFreeClock);
    EXPECT_TRUE(surface.calls.contains("no mask"));
}

TEST(ClockViewSwitch, WithoutATrayTheClockStaysShownAndTheUserIsToldOnce)
{
    RecordingSurface surface;
    surface.mode = vmFreeClock;
    surface.trayAvailable = false;
    ClockViewSwitch views(surface);

    views.toTrayIcon();
    EXPECT_EQ(surface.mode, vmAnalogClock);
    EXPECT_FALSE(surface.calls.contains("show tray"));
    EXPECT_TRUE(surface.calls.contains("show clock"));
    EXPECT_EQ(surface.calls.count("tell no tray"), 1);

    views.toFreeClock();
    views.toTrayIcon();
    views.showTrayIcon(true);
    EXPECT_EQ(surface.mode, vmAnalogClock);
    EXPECT_EQ(surface.calls.count("tell no tray"), 1);
    EXPECT_FALSE(surface.calls.contains("show tray"));
}

}  // namespace
