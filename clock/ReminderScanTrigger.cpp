#include "clock/ReminderScanTrigger.h"

#include <QTimer>

namespace {

class TimerPause {
public:
    explicit TimerPause(QTimer& timer) : timer_(timer) { timer_.stop(); }
    ~TimerPause() { timer_.start(); }
    TimerPause(const TimerPause&) = delete;
    TimerPause& operator=(const TimerPause&) = delete;

private:
    QTimer& timer_;
};

}  // namespace

bool RunReminderScanWhenDue(QTimer& tickTimer, double now, double nextShowDT, const std::function<void()>& scan)
{
    if (!(now > nextShowDT))
        return false;
    TimerPause pause(tickTimer);
    if (scan)
        scan();
    return true;
}
