#include "lang/uLanguages.h"

#include "lang/FormTranslator.h"

#include "platform/ProgramFolder.h"
#include "platform/Profile.h"
#include "settings/ConfigFile.h"

#include <QApplication>
#include <QWidget>

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

void TranslateForm(QWidget* form)
{
    if (!form)
        return;
    ApplyLanguageSection(form, Profile::readSection(LanguageFilePath(), SectionNameOf(form->objectName())));
}

void TranslateAllForms()
{
    // The long-lived windows, in the order start-up creates them.
    static const char* const Windows[] = {"frmClock",      "frmDayInfo",    "frmAddressBook", "frmPersonEdit",
                                          "frmViewPerson", "frmCreateToDo", "frmToDoList",    "frmSchedule",
                                          "frmNewHoliday", "frmHolidayList"};
    const QWidgetList topLevel = QApplication::topLevelWidgets();
    for (const char* name : Windows) {
        for (QWidget* window : topLevel) {
            if (window->objectName() == QLatin1String(name))
                TranslateForm(window);
        }
    }
}
