#pragma once

#include <QString>

// The configuration file: the executable's path with ".ini" appended.
QString ConfigFilePath();
