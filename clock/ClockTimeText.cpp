#include "clock/ClockTimeText.h"

QString ClockTimeText(const QTime& time)
{
    const auto twoDigits = [](int value) { return QString::number(value).rightJustified(2, QLatin1Char('0')); };
    return twoDigits(time.hour()) + QLatin1Char(':') + twoDigits(time.minute()) + QLatin1Char(':')
           + twoDigits(time.second());
}
