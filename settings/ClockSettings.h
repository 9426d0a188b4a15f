#pragma once

#include "draw/uLarkspurUtils.h"

#include <QPoint>
#include <QString>
#include <QtGlobal>

// The keys of the configuration file, their defaults, and how the stored values become the
// program's (and back).
namespace ClockSettings {

// The appearance settings, as stored.
struct Appearance {
    int vertSpace = 3;
    int horisSpace = 7;
    QString fontName = QStringLiteral("MS Sans Serif");
    int fontSize = 8;
    TColor fontColor = RGBColor(0, 0, 128);
    bool fontBold = true;
    bool fontItalic = false;
    TColor color = RGBColor(186, 252, 191);
};

// ViewMode from "ProgramView": 1 the tray icon, 3 the free clock, anything else the analog clock.
quint8 ReadViewMode(const QString& file);
// "Top" and "Left", kept on the primary screen's right and bottom as far as the clock's
// placement rules go.
QPoint ReadPosition(const QString& file);
Appearance ReadAppearance(const QString& file);

// "ProgramView" and, for a clock on the desktop (modes 2 and 3), "Top" and "Left".
void WriteViewAndPosition(const QString& file, quint8 viewMode, const QPoint& position);
// Everything else, in the file's order: "Language", then the appearance.
void WriteLanguageAndAppearance(const QString& file, const QString& language, const Appearance& appearance);

}  // namespace ClockSettings
