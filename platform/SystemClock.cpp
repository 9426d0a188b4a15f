#include "platform/SystemClock.h"

#include "platform/DateTime.h"

#include <ctime>

namespace SystemClock {
namespace {

std::optional<QDateTime> fixedNow;
std::optional<quint64> fixedUptime;

}  // namespace

QDateTime now()
{
    return fixedNow ? *fixedNow : QDateTime::currentDateTime();
}

double nowDays()
{
    return DateTime::fromDateTime(now());
}

quint64 uptimeMs()
{
    if (fixedUptime)
        return *fixedUptime;
    timespec ts{};
    clock_gettime(CLOCK_BOOTTIME, &ts);
    return static_cast<quint64>(ts.tv_sec) * 1000u + static_cast<quint64>(ts.tv_nsec / 1000000);
}

void setNow(const std::optional<QDateTime>& fixed)
{
    fixedNow = fixed;
}

void setUptimeMs(const std::optional<quint64>& fixed)
{
    fixedUptime = fixed;
}

}  // namespace SystemClock
