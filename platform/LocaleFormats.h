#pragma once

#include <QString>

// The user's regional date and time formats, as the windows show dates and times.
namespace LocaleFormats {

QString shortDateFormat();
QString longDateFormat();
// The long time format without a time-zone part.
QString longTimeFormat();

// Short date and long time; the time is left out at exactly midnight.
QString shortDateLongTime(double dayNumber);
// Long date, a blank and the long time.
QString longDateLongTime(double dayNumber);

}  // namespace LocaleFormats
