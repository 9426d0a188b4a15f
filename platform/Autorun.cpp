#include "platform/Autorun.h"

#include "platform/ProgramFolder.h"
#include "platform/Profile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <stdexcept>

namespace Autorun {
namespace {

const QString EntryName = QStringLiteral("Larkspur Organizer");

// Characters that make the desktop entry spec require a quoted argument.
const QString Reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");

QString configHome()
{
    const QString configured = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!configured.isEmpty() && QDir::isAbsolutePath(configured))
        return configured;
    return QDir::homePath() + QStringLiteral("/.config");
}

// The string-value escapes of desktop entries, applied before the Exec quoting rules.
QString escapeValue(const QString& text)
{
    QString escaped;
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '\\': escaped += QStringLiteral("\\\\"); break;
        case '\n': escaped += QStringLiteral("\\n"); break;
        case '\t': escaped += QStringLiteral("\\t"); break;
        case '\r': escaped += QStringLiteral("\\r"); break;
        default: escaped += c;
        }
    }
    return escaped;
}

QString unescapeValue(const QString& text)
{
    QString plain;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\\' || i + 1 == text.size()) {
            plain += text[i];
            continue;
        }
        switch (text[++i].unicode()) {
        case 's': plain += u' '; break;
        case 'n': plain += u'\n'; break;
        case 't': plain += u'\t'; break;
        case 'r': plain += u'\r'; break;
        default: plain += text[i];
        }
    }
    return plain;
}

}  // namespace

QString entryPath()
{
    return configHome() + QStringLiteral("/autostart/") + EntryName + QStringLiteral(".desktop");
}

QString execValue(const QString& program)
{
    QString argument = program;
    argument.replace(u'%', QStringLiteral("%%"));
    const bool needsQuotes = std::any_of(argument.begin(), argument.end(),
                                         [](QChar c) { return Reserved.contains(c); });
    if (needsQuotes) {
        QString quoted = QStringLiteral("\"");
        for (const QChar c : argument) {
            if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
                quoted += u'\\';
            quoted += c;
        }
        argument = quoted + u'"';
    }
    return escapeValue(argument);
}

QString programOf(const QString& value)
{
    const QString exec = unescapeValue(value);
    QString program;
    if (exec.startsWith(u'"')) {
        qsizetype i = 1;
        for (; i < exec.size() && exec[i] != u'"'; ++i) {
            if (exec[i] == u'\\' && i + 1 < exec.size())
                ++i;
            program += exec[i];
        }
        if (i + 1 != exec.size())  // unclosed quote or more arguments
            return {};
    } else {
        if (std::any_of(exec.begin(), exec.end(), [](QChar c) { return Reserved.contains(c); }))
            return {};
        program = exec;
    }
    return program.replace(QStringLiteral("%%"), QStringLiteral("%"));
}

bool isOn()
{
    const QString path = entryPath();
    if (!QFileInfo(path).isFile())
        return false;
    const QString exec = Profile::readString(path, QStringLiteral("Desktop Entry"), QStringLiteral("Exec"), {});
    return !exec.isEmpty() && programOf(exec) == ProgramFolder::executablePath();
}

void setOn(bool on)
{
    const QString path = entryPath();
    if (!on) {
        QFile::remove(path);
        return;
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QByteArray entry = QStringLiteral("[Desktop Entry]\n"
                                            "Type=Application\n"
                                            "Name=%1\n"
                                            "Exec=%2\n"
                                            "X-GNOME-Autostart-enabled=true\n")
                                 .arg(EntryName, execValue(ProgramFolder::executablePath()))
                                 .toUtf8();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(entry) != entry.size() || !file.commit())
        throw std::runtime_error("Cannot write the autostart entry " + path.toStdString() + ": "
                                 + file.errorString().toStdString());
}

}  // namespace Autorun
