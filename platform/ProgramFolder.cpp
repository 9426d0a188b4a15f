#include "platform/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>

namespace ProgramFolder {
namespace {

QString overridden;

}  // namespace

QString executablePath()
{
    if (!overridden.isEmpty())
        return overridden;
    static const QString real = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    return real;
}

QString path()
{
    return QFileInfo(executablePath()).absolutePath();
}

QString filePath(const QString& relative)
{
    return QDir(path()).filePath(relative);
}

void setExecutablePathForTests(const QString& executable)
{
    overridden = executable;
}

}  // namespace ProgramFolder
