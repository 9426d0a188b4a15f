#include "draw/uLarkspurUtils.h"

#include "platform/DateTime.h"
#include "platform/SystemClock.h"

namespace {

// The day number of the same moment on the whole millisecond, in the form DateTime::encode
// gives, so that a walked series compares equal to the encoded moment it should reach.
double OnWholeMillisecond(long double date)
{
    const double rounded = static_cast<double>(date);
    return DateTime::encode(DateTime::toDate(rounded), DateTime::toTime(rounded));
}

double AddMonths(double date, qint64 months)
{
    const QDate day = DateTime::toDate(date);
    const qint64 monthIndex = day.year() * 12LL + (day.month() - 1) + months;
    const qint64 yearIndex = monthIndex >= 0 ? monthIndex / 12 : (monthIndex - 11) / 12;
    const int year = static_cast<int>(yearIndex);
    const int month = static_cast<int>(monthIndex - yearIndex * 12) + 1;
    const int lastDay = QDate(year, month, 1).daysInMonth();
    return DateTime::encode(QDate(year, month, std::min(day.day(), lastDay)), DateTime::toTime(date));
}

}  // namespace

double IncPeriod(quint8 code, qint32 count, double date)
{
    const long double start = date;
    switch (code) {
    case ptMinutes:
        return OnWholeMillisecond(start + static_cast<long double>(count) / 60 / 24);
    case ptHours:
        return OnWholeMillisecond(start + static_cast<long double>(count) / 24);
    case ptDays:
        return OnWholeMillisecond(start + count);
    case ptWeeks:
        return OnWholeMillisecond(start + 7.0L * count);
    case ptMonths:
        return AddMonths(date, count);
    case ptYears:
        return AddMonths(date, 12LL * count);
    default:
        return 0.0;
    }
}

double SystemStartTime()
{
    return SystemClock::nowDays() - static_cast<double>(SystemClock::uptimeMs()) / DateTime::MillisecondsPerDay;
}
