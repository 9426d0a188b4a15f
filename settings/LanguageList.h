#pragma once

#include <QStringList>

// The languages in a folder: for each entry whose name contains ".lng" (in that case), the
// part of the name before it, in the order the file system gives them.
QStringList LanguageNames(const QString& folder);
