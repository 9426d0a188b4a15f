#include "clock/DayOverviewHover.h"

#include <QTimer>

DayOverviewHover::DayOverviewHover(QTimer& showTimer) : showTimer_(showTimer)
{
    showTimer_.setInterval(DayOverviewShowDelayMs);
    showTimer_.stop();
}

void DayOverviewHover::mouseEntered()
{
    showTimer_.start();
}

void DayOverviewHover::mouseLeft()
{
    showTimer_.stop();
    if (overview_ && overview_->isOverviewVisible())
        overview_->startHideTimer(DayOverviewHideAfterClockMs);
}

void DayOverviewHover::showTimerFired(bool leftButtonDown)
{
    showTimer_.stop();
    if (!leftButtonDown && overview_)
        overview_->showOverview();
}

void DayOverviewHover::menuOpening()
{
    showTimer_.stop();
    if (overview_ && overview_->isOverviewVisible())
        overview_->hideOverview();
}

void DayOverviewHover::trayIconClicked()
{
    if (overview_)
        overview_->showOverview();
}
