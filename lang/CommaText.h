#pragma once

#include <QStringList>

// Splits a value into list items the way the language files write lists: items separated by
// commas or blanks, an item in double quotes may hold both (a doubled quote stands for one),
// and a comma at the very end adds an empty item.
QStringList ParseCommaText(const QString& text);
