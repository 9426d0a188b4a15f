#include "platform/DateTime.h"

#include <cmath>

namespace DateTime {
namespace {

// 30 December 1899; a constant, so day numbers work during static initialisation too.
constexpr qint64 JulianDayOfDayZero = 2415019;

// Splits into whole days and milliseconds of the day. Before day 0 the fraction still counts
// forward from midnight of its own day, as the stored form has always meant (-1.25 is
// 29 December 1899 06:00).
void split(double dayNumber, qint64& days, qint64& msOfDay)
{
    const double whole = std::trunc(dayNumber);
    qint64 ms = std::llround(std::fabs(dayNumber - whole) * MillisecondsPerDay);
    days = static_cast<qint64>(whole);
    if (ms >= static_cast<qint64>(MillisecondsPerDay)) {
        ms -= static_cast<qint64>(MillisecondsPerDay);
        days += dayNumber < 0 ? -1 : 1;
    }
    msOfDay = ms;
}

}  // namespace

double fromDate(const QDate& date)
{
    return static_cast<double>(date.toJulianDay() - JulianDayOfDayZero);
}

double encode(const QDate& date, const QTime& time)
{
    const double day = fromDate(date);
    const double fraction = time.msecsSinceStartOfDay() / MillisecondsPerDay;
    return day >= 0 ? day + fraction : day - fraction;
}

double fromDateTime(const QDateTime& dateTime)
{
    return encode(dateTime.date(), dateTime.time());
}

QDate toDate(double dayNumber)
{
    qint64 days = 0, ms = 0;
    split(dayNumber, days, ms);
    return QDate::fromJulianDay(JulianDayOfDayZero + days);
}

QTime toTime(double dayNumber)
{
    qint64 days = 0, ms = 0;
    split(dayNumber, days, ms);
    return QTime::fromMSecsSinceStartOfDay(static_cast<int>(ms));
}

QDateTime toDateTime(double dayNumber)
{
    return QDateTime(toDate(dayNumber), toTime(dayNumber));
}

double wholeSecondsOfDay(int seconds)
{
    return seconds / 86400.0;
}

double timeOfDay(double dayNumber)
{
    const QTime time = toTime(dayNumber);
    const int seconds = static_cast<int>(std::lround(time.msecsSinceStartOfDay() / 1000.0)) % 86400;
    return wholeSecondsOfDay(seconds);
}

}  // namespace DateTime
