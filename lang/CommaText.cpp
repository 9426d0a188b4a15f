#include "lang/CommaText.h"

namespace {

bool isBlank(QChar c)
{
    return c.unicode() >= 1 && c.unicode() <= 32;
}

}  // namespace

QStringList ParseCommaText(const QString& text)
{
    // A NUL ends the text, as it would a C string.
    const QStringView value = QStringView(text).first(text.contains(QChar(0)) ? text.indexOf(QChar(0)) : text.size());
    QStringList items;
    qsizetype i = 0;
    const qsizetype end = value.size();
    auto skipBlanks = [&] {
        while (i < end && isBlank(value[i]))
            ++i;
    };
    skipBlanks();
    while (i < end) {
        QString item;
        if (value[i] == u'"') {
            ++i;
            while (i < end) {
                if (value[i] == u'"') {
                    if (i + 1 < end && value[i + 1] == u'"') {
                        item += u'"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                item += value[i++];
            }
        } else {
            const qsizetype start = i;
            while (i < end && value[i].unicode() > 32 && value[i] != u',')
                ++i;
            item = value.sliced(start, i - start).toString();
        }
        items.append(item);
        skipBlanks();
        if (i < end && value[i] == u',') {
            if (i + 1 == end)
                items.append(QString());
            ++i;
            skipBlanks();
        }
    }
    return items;
}
