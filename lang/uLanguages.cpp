#include "lang/uLanguages.h"

#include "platform/ProgramFolder.h"
#include "platform/Profile.h"
#include "settings/ConfigFile.h"

QString CurrentLanguage;

QString LanguageFilePath()
{
    return ProgramFolder::filePath(QStringLiteral("Languages/") + CurrentLanguage + QStringLiteral(".lng"));
}

QString GetLangMessage(const QString& key)
{
    return Profile::readString(LanguageFilePath(), QStringLiteral("Messages"), key, key);
}

void LoadLanguage(bool translate)
{
    const QString english = QStringLiteral("English");
    CurrentLanguage = english;
    CurrentLanguage = Profile::readString(ConfigFilePath(), QStringLiteral("General"),
                                          QStringLiteral("Language"), english);
    if (translate)
        TranslateAllForms();
}

void TranslateForm(QWidget*)
{
}

void TranslateAllForms()
{
}
