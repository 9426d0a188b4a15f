#pragma once

#include <QString>

class SingleInstance;

// The single-instance guard of the organizer, named after the executable's file name.
namespace uOnce {

// The title an application window has before the program sets its own: the file name cut at
// its first dot, every character after the first in lower case.
QString InitialTitle(const QString& executablePath);
QString GuardName(const QString& executablePath);

// Takes the guard for this executable; call once, before anything else starts.
void Initialize();
bool IsFirstInstance();
void ActivateRunningInstance();
// The guard of the running process (null before Initialize).
SingleInstance* Guard();

}  // namespace uOnce
