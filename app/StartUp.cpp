#include "app/StartUp.h"

#include "app/uOnce.h"
#include "clock/uMain.h"
#include "data/uDataModule.h"
#include "lang/uLanguages.h"
#include "platform/ErrorReport.h"
#include "platform/SingleInstance.h"
#include "platform/TerminationSignals.h"
#include "settings/uSettings.h"
#include "tasks/uNewToDo.h"
#include "tasks/uToDoList.h"

#include <QCoreApplication>
#include <QSessionManager>
#include <QWidget>

namespace {

const QString ApplicationTitle = QStringLiteral("Larkspur Organizer");

// A later start asked us forward: restore a minimised main window, else raise the active
// dialog or the main window.
void BringForward()
{
    QWidget* target = QApplication::activeModalWidget();
    if (!target) {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == QLatin1String("frmClock"))
                target = widget;
        }
    }
    if (!target || !target->isVisible())
        return;
    if (target->isMinimized())
        target->showNormal();
    target->raise();
    target->activateWindow();
}

// Not quit(): that asks every window to close first, and an unanswered reminder window
// refuses, which would keep the program running after Exit or SIGTERM.
void EndMessageLoop()
{
    QCoreApplication::exit(0);
}

}  // namespace

int RunOrganizer(int argc, char** argv)
{
    uOnce::Initialize();
    if (!uOnce::IsFirstInstance()) {
        QCoreApplication application(argc, argv);
        uOnce::ActivateRunningInstance();
        return 0;
    }

    ErrorReportingApplication application(argc, argv);
    QCoreApplication::setApplicationName(ApplicationTitle);
    // The clock decides: in the tray-icon mode no window is shown, and closing a dialog then
    // must not end the program.
    QApplication::setQuitOnLastWindowClosed(false);
    uOnce::Guard()->listen();
    QObject::connect(uOnce::Guard(), &SingleInstance::activationRequested, &application, BringForward);
    TerminationSignals terminationSignals;
    QObject::connect(&terminationSignals, &TerminationSignals::terminationRequested, &application, EndMessageLoop);

    try {
        TDataModule1 dataModule;
        TfrmClock clock;
        if (clock.TerminationRequested())
            return 1;
        // The long-lived windows, hidden until asked for, in the order the language files
        // are applied to them.
        TfrmCreateToDo createToDo;
        TfrmToDoList toDoList;
        LoadLanguage(true);
        QObject::connect(&clock, &TfrmClock::closed, &application, EndMessageLoop);
        // Logging out and SIGTERM save what an exit saves, before the program is told to end.
        QObject::connect(&application, &QGuiApplication::commitDataRequest, &clock,
                         [&clock](QSessionManager&) { clock.QueryEndSession(); });
        QObject::connect(&terminationSignals, &TerminationSignals::terminationRequested, &clock,
                         &TfrmClock::QueryEndSession);
        // After the windows and the language: re-time the after-start tasks, first scan. A
        // database error here ends the program before its message loop.
        dataModule.PrepareAfterLoadTasks();
        // The settings dialog belongs to the clock, not to the application, so the
        // translation of all windows above did not reach it.
        TranslateForm(frmSettings);
        return application.exec();
    } catch (const std::exception& error) {
        ErrorReport::show(error);
        return 1;
    }
}
