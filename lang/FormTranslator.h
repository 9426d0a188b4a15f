#pragma once

#include "platform/Profile.h"

#include <QList>
#include <QString>

class QWidget;

// The section of a window: its name without a suffix "_1" to "_99" of a second or later
// instance of the same window.
QString SectionNameOf(const QString& windowName);

// Applies the entries of a window's language section to the window and its components.
// An entry that names nothing, or whose value does not fit, is skipped; the others still apply.
void ApplyLanguageSection(QWidget* form, const QList<Profile::Entry>& entries);
