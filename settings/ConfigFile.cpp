#include "settings/ConfigFile.h"

#include "platform/ProgramFolder.h"

QString ConfigFilePath()
{
    return ProgramFolder::executablePath() + QStringLiteral(".ini");
}
