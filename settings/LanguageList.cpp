#include "settings/LanguageList.h"

#include <QDir>

QStringList LanguageNames(const QString& folder)
{
    QStringList names;
    const QStringList entries = QDir(folder).entryList(
        QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Unsorted);
    for (const QString& entry : entries) {
        const qsizetype extension = entry.indexOf(QLatin1String(".lng"));
        if (extension >= 0)
            names.append(entry.first(extension));
    }
    return names;
}
