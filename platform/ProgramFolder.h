#pragma once

#include <QString>

// Where the executable and every file beside it live. Found from /proc/self/exe so it works
// before the application object exists and whatever the working directory is.
namespace ProgramFolder {

QString executablePath();
// The folder of the executable, without a trailing slash.
QString path();
// A file or folder beside the executable: filePath("Ls.lsb").
QString filePath(const QString& relative);

// Test seam: point the program folder (and the executable inside it) somewhere else.
void setExecutablePathForTests(const QString& executable);

}  // namespace ProgramFolder
