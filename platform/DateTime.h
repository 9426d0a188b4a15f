#pragma once

#include <QDate>
#include <QDateTime>
#include <QTime>

// Date-times are day numbers counted from 30 December 1899 00:00 in local wall-clock time,
// with the time of day as the fraction, exactly as the database stores them. These are the
// only conversions between that form and Qt's types.
namespace DateTime {

inline constexpr double OneHour = 1.0 / 24.0;
inline constexpr double OneMinute = 1.0 / 1440.0;
inline constexpr double MillisecondsPerDay = 86400000.0;

// The day number of a date at 00:00.
double fromDate(const QDate& date);
double fromDateTime(const QDateTime& dateTime);
double encode(const QDate& date, const QTime& time);
// The same moment on the whole millisecond, exactly as encode would give it.
double roundedToMillisecond(double dayNumber);

// A day number rounded to the whole millisecond first, so 0.9999999999 reads as the next day.
QDateTime toDateTime(double dayNumber);
QDate toDate(double dayNumber);
QTime toTime(double dayNumber);

// The time of day of a day number as whole seconds over 86400: the one form every path uses
// where times of day are compared for equality.
double timeOfDay(double dayNumber);
double wholeSecondsOfDay(int seconds);

}  // namespace DateTime
