#pragma once

#include <QString>

// Starting the program with the desktop session: the XDG autostart entry
// "Larkspur Organizer.desktop" in $XDG_CONFIG_HOME/autostart (default ~/.config/autostart).
namespace Autorun {

QString entryPath();

// True exactly when the entry exists and its Exec line runs this executable and nothing else.
bool isOn();

// On writes the entry for this executable, replacing the file as a whole; throws
// std::runtime_error when it cannot be written. Off removes it; a missing entry is no error.
void setOn(bool on);

// The Exec value that runs the program at that path, quoted and escaped for a desktop entry,
// and the program path read back from such a value (empty when it is not a single program).
QString execValue(const QString& program);
QString programOf(const QString& execValue);

}  // namespace Autorun
