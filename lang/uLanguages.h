#pragma once

#include <QString>

class QWidget;

// The base name of the language file in the program's "Languages" folder; empty until the
// first LoadLanguage. Read afresh by every lookup and translation.
extern QString CurrentLanguage;

// The path of the current language file.
QString LanguageFilePath();

// The text of the key in the "Messages" section of the current language file; the key itself
// when the file, the section or the key is missing.
QString GetLangMessage(const QString& key);

// Sets CurrentLanguage from the configuration ("English" when it names none), then, when
// asked, translates every long-lived window.
void LoadLanguage(bool translate);

// Applies the window's section of the current language file to the window and its
// components. Does nothing for a null window.
void TranslateForm(QWidget* form);

// TranslateForm for each long-lived window of the application, in the order of their creation.
void TranslateAllForms();
