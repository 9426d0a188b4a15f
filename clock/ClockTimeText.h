#pragma once

#include <QString>
#include <QTime>

// The free clock's text: hh:nn:ss, 24 hours, always with colons whatever the locale says.
QString ClockTimeText(const QTime& time);
