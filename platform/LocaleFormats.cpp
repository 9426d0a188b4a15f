#include "platform/LocaleFormats.h"

#include "platform/DateTime.h"

#include <QLocale>
#include <QRegularExpression>

namespace LocaleFormats {

QString shortDateFormat()
{
    return QLocale().dateFormat(QLocale::ShortFormat);
}

QString longDateFormat()
{
    return QLocale().dateFormat(QLocale::LongFormat);
}

QString longTimeFormat()
{
    // Qt's long format names the time zone ("t"); the regional long time never does.
    static const QRegularExpression zone(QStringLiteral("\\s*\\bt+\\b\\s*"));
    return QLocale().timeFormat(QLocale::LongFormat).replace(zone, QString()).trimmed();
}

QString shortDateLongTime(double dayNumber)
{
    const QDateTime moment = DateTime::toDateTime(dayNumber);
    const QString date = QLocale().toString(moment.date(), shortDateFormat());
    if (moment.time() == QTime(0, 0))
        return date;
    return date + QLatin1Char(' ') + QLocale().toString(moment.time(), longTimeFormat());
}

QString longDateLongTime(double dayNumber)
{
    const QDateTime moment = DateTime::toDateTime(dayNumber);
    return QLocale().toString(moment.date(), longDateFormat()) + QLatin1Char(' ') +
           QLocale().toString(moment.time(), longTimeFormat());
}

}  // namespace LocaleFormats
