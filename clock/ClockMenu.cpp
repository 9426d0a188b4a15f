#include "clock/ClockMenu.h"

#include <QAction>
#include <QMenu>

namespace {

QAction* addItem(QMenu* menu, const char* name, const QString& caption, bool enabled)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setEnabled(enabled);
    return action;
}

QMenu* addSubmenu(QMenu* menu, const char* name, const QString& caption)
{
    QMenu* submenu = menu->addMenu(caption);
    submenu->menuAction()->setObjectName(QString::fromLatin1(name));
    return submenu;
}

void addSeparator(QMenu* menu, const char* name)
{
    menu->addSeparator()->setObjectName(QString::fromLatin1(name));
}

}  // namespace

QMenu* CreateClockMenu(QWidget* clock)
{
    auto* menu = new QMenu(clock);
    menu->setObjectName(QStringLiteral("pmClockMenu"));

    QMenu* create = addSubmenu(menu, "miCreate", QStringLiteral("Create"));
    addItem(create, "miToDo", QStringLiteral("To do"), true);
    addItem(create, "miHoliday", QStringLiteral("Holiday"), false);

    QMenu* view = addSubmenu(menu, "miView", QStringLiteral("View"));
    addItem(view, "miViewToDoList", QStringLiteral("To do list"), true);
    addItem(view, "miSchedule", QStringLiteral("Schedule"), false);
    addItem(view, "Holydayslist1", QStringLiteral("Holidays list"), false);

    addItem(menu, "miAddresBook", QStringLiteral("Address book"), false);
    addSeparator(menu, "N1");
    addItem(menu, "miSetting", QStringLiteral("Setting"), true);
    addItem(menu, "miHelp", QStringLiteral("Help"), true);
    addItem(menu, "miAbout", QStringLiteral("About..."), false);
    addSeparator(menu, "miEmpty");
    addItem(menu, "miExit", QStringLiteral("Exit"), true);
    return menu;
}
