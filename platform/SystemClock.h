#pragma once

#include <QDateTime>
#include <QtGlobal>

#include <optional>

// The one source of "now" for the code and for SQL Now(), and the system's uptime.
// Tests set both; the program never does.
namespace SystemClock {

QDateTime now();
// now() as a day number.
double nowDays();

// Milliseconds since system start, 64-bit (suspend included), so it never wraps.
quint64 uptimeMs();

// Test seams: a set value stays until cleared.
void setNow(const std::optional<QDateTime>& fixed);
void setUptimeMs(const std::optional<quint64>& fixed);

}  // namespace SystemClock
