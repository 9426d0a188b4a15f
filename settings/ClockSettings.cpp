#include "settings/ClockSettings.h"

#include "platform/Profile.h"
#include "platform/Screen.h"

namespace ClockSettings {
namespace {

const QString General = QStringLiteral("General");
const QString Clock = QStringLiteral("Clock");

int readClock(const QString& file, const char* key, int defaultValue)
{
    return Profile::readInt(file, Clock, QLatin1String(key), defaultValue);
}

void writeClock(const QString& file, const char* key, int value)
{
    Profile::writeInt(file, Clock, QLatin1String(key), value);
}

// Colours go to the file as signed 32-bit numbers, so system colours read back too.
int stored(TColor color)
{
    return static_cast<int>(color);
}

}  // namespace

quint8 ReadViewMode(const QString& file)
{
    switch (Profile::readInt(file, General, QStringLiteral("ProgramView"), 0)) {
    case 1: return 0;
    case 3: return 2;
    default: return 3;
    }
}

QPoint ReadPosition(const QString& file)
{
    int top = readClock(file, "Top", 0);
    if (top > Screen::height())
        top = Screen::height() - 50;
    int left = readClock(file, "Left", 0);
    if (left > Screen::width())
        left = 100;
    if (left < -5)
        left = 0;
    return {left, top};
}

Appearance ReadAppearance(const QString& file)
{
    const Appearance defaults;
    Appearance appearance;
    appearance.vertSpace = readClock(file, "VertSpace", defaults.vertSpace);
    appearance.horisSpace = readClock(file, "HorisSpace", defaults.horisSpace);
    appearance.fontColor = static_cast<TColor>(readClock(file, "FontColor", stored(defaults.fontColor)));
    appearance.fontName = Profile::readString(file, Clock, QStringLiteral("FontName"), defaults.fontName);
    appearance.fontSize = readClock(file, "FontSize", defaults.fontSize);
    appearance.fontBold = readClock(file, "FontBold", defaults.fontBold) != 0;
    appearance.fontItalic = readClock(file, "FontItalic", defaults.fontItalic) != 0;
    appearance.color = static_cast<TColor>(readClock(file, "Color", stored(defaults.color)));
    return appearance;
}

void WriteViewAndPosition(const QString& file, quint8 viewMode, const QPoint& position)
{
    Profile::writeInt(file, General, QStringLiteral("ProgramView"), viewMode + 1);
    if (viewMode == 2 || viewMode == 3) {
        writeClock(file, "Top", position.y());
        writeClock(file, "Left", position.x());
    }
}

void WriteLanguageAndAppearance(const QString& file, const QString& language, const Appearance& appearance)
{
    Profile::writeString(file, General, QStringLiteral("Language"), language);
    writeClock(file, "Color", stored(appearance.color));
    writeClock(file, "VertSpace", appearance.vertSpace);
    writeClock(file, "HorisSpace", appearance.horisSpace);
    Profile::writeString(file, Clock, QStringLiteral("FontName"), appearance.fontName);
    writeClock(file, "FontSize", appearance.fontSize);
    writeClock(file, "FontColor", stored(appearance.fontColor));
    writeClock(file, "FontBold", appearance.fontBold ? 1 : 0);
    writeClock(file, "FontItalic", appearance.fontItalic ? 1 : 0);
}

}  // namespace ClockSettings
