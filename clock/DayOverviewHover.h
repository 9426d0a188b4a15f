#pragma once

class QTimer;

// What the clock needs of the day overview window.
class DayOverviewWindow {
public:
    virtual ~DayOverviewWindow() = default;
    virtual bool isOverviewVisible() const = 0;
    virtual void showOverview() = 0;
    virtual void hideOverview() = 0;
    // Starts the overview's own hide timer with that interval.
    virtual void startHideTimer(int intervalMs) = 0;
};

inline constexpr int DayOverviewShowDelayMs = 1000;
// Hide delays: after the mouse left the clock, and after it left the overview itself.
inline constexpr int DayOverviewHideAfterClockMs = 1500;
inline constexpr int DayOverviewHideAfterOverviewMs = 170;

// When the mouse rests on the clock for a second, the day overview opens beside it; leaving the
// clock lets it hide itself a little later; the clock's menu hides it at once.
class DayOverviewHover {
public:
    // showTimer is the clock's tmrDayInfoShow; it is set up here.
    explicit DayOverviewHover(QTimer& showTimer);

    // Until the overview window exists there is nothing to show.
    void setOverview(DayOverviewWindow* overview) { overview_ = overview; }

    void mouseEntered();
    void mouseLeft();
    // tmrDayInfoShow fired. A held left button means the clock is being dragged.
    void showTimerFired(bool leftButtonDown);
    void menuOpening();
    void trayIconClicked();

private:
    QTimer& showTimer_;
    DayOverviewWindow* overview_ = nullptr;
};
