#include "clock/uMain.h"
#include "tasks/uNewToDo.h"
#include "tasks/uToDoList.h"

#include "data/uDataModule.h"
#include "platform/DateTime.h"
#include "platform/Help.h"
#include "platform/Query.h"
#include "platform/Screen.h"
#include "platform/SystemClock.h"
#include "tests/support/ProgramFolderFixture.h"
#include "tests/support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTimer>

namespace {

class ClockWindowTest : public ::testing::Test {
protected:
    ProgramFolderFixture folder;
    ScriptedDialogs dialogs;
    TDataModule1 dataModule;
    std::unique_ptr<TfrmClock> clock;

    void SetUp() override
    {
        folder.writeFile(QStringLiteral("Skins/Larkspur.skn"), "QMenu { border: 1px solid #406040; }");
        QImage face(96, 96, QImage::Format_RGB32);
        face.fill(Qt::white);
        QDir().mkpath(folder.filePath(QStringLiteral("Images")));
        ASSERT_TRUE(face.save(folder.filePath(QStringLiteral("Images/Analog_clock.jpg")), "JPG"));
    }
    void TearDown() override
    {
        clock.reset();
        qApp->setStyleSheet(QString());
        QLocale::setDefault(QLocale::c());
    }
    void create() { clock = std::make_unique<TfrmClock>(); }

    QSize freeClockSizeFor(const QString& text) const
    {
        const QFontMetrics metrics(clock->font());
        return QSize(metrics.horizontalAdvance(text) + 6 + clock->HorisSpace, metrics.height() + 1 + clock->VertSpace);
    }
    QAction* item(const char* name) const { return clock->pmClockMenu->findChild<QAction*>(QString::fromLatin1(name)); }
};

TEST_F(ClockWindowTest, StartsAsTheRoundAnalogClockInTheTopLeftCorner)
{
    create();
    ASSERT_FALSE(clock->TerminationRequested());
    EXPECT_EQ(clock->objectName(), QStringLiteral("frmClock"));
    EXPECT_EQ(clock->windowTitle(), QStringLiteral("Larkspur Organizer"));
    const Qt::WindowFlags flags = clock->windowFlags();
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Tool);
    EXPECT_TRUE(flags.testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowStaysOnTopHint));

    EXPECT_EQ(clock->ViewMode, vmAnalogClock);
    EXPECT_EQ(clock->geometry(), QRect(0, 0, 96, 96));
    EXPECT_EQ(clock->mask(), QRegion(0, 0, 97, 97, QRegion::Ellipse));
    EXPECT_TRUE(clock->isVisible());
    EXPECT_FALSE(clock->spTrayIcon1->isVisible());
    EXPECT_FALSE(clock->imgAnalogClock->pixmap().isNull());
    EXPECT_EQ(clock->VertSpace, 3);
    EXPECT_EQ(clock->HorisSpace, 7);
    EXPECT_EQ(clock->ClockColor(), RGBColor(186, 252, 191));
    EXPECT_TRUE(clock->tmrTime->isActive());
    EXPECT_EQ(clock->tmrTime->interval(), 1000);
    EXPECT_FALSE(clock->tmrDayInfoShow->isActive());
    EXPECT_EQ(Help::context(clock.get()), TfrmClock::HelpContext);
    EXPECT_EQ(frmClock, clock.get());
    EXPECT_TRUE(dialogs.shown().isEmpty());
}

TEST_F(ClockWindowTest, AMissingSkinIsRefusedBeforeTheClockShows)
{
    QFile::remove(folder.filePath(QStringLiteral("Skins/Larkspur.skn")));
    create();
    EXPECT_TRUE(clock->TerminationRequested());
    EXPECT_FALSE(clock->isVisible());
    ASSERT_EQ(dialogs.shown().size(), 1);
    const ScriptedDialogs::Shown& box = dialogs.shown().first();
    EXPECT_EQ(box.text, QStringLiteral("Erron on load application. Cannot find skin file\r\n"
                                       "Try to run application one time more or reinstall it."));
    EXPECT_EQ(box.icon, Dialogs::Icon::Warning);
    EXPECT_EQ(box.buttons, Dialogs::Buttons::Ok);
}

TEST_F(ClockWindowTest, AMissingFacePictureIsReportedAndTheClockStillStarts)
{
    QFile::remove(folder.filePath(QStringLiteral("Images/Analog_clock.jpg")));
    create();
    EXPECT_FALSE(clock->TerminationRequested());
    ASSERT_EQ(dialogs.shown().size(), 1);
    EXPECT_TRUE(dialogs.shown().first().text.contains(QStringLiteral("Analog_clock.jpg")));
    EXPECT_EQ(clock->size(), QSize(96, 96));
    EXPECT_FALSE(clock->mask().isEmpty());
    EXPECT_TRUE(clock->isVisible());
}

TEST_F(ClockWindowTest, FromAnalogToFreeTheMaskGoesAndTheNextTickSizesToTheText)
{
    QLocale::setDefault(QLocale(QLocale::Finnish, QLocale::Finland));
    create();
    clock->SwitchToFreeClock();
    EXPECT_EQ(clock->ViewMode, vmFreeClock);
    EXPECT_TRUE(clock->mask().isEmpty());
    EXPECT_TRUE(clock->imgAnalogClock->pixmap().isNull());

    for (const QTime time : {QTime(9, 5, 7), QTime(23, 59, 59)}) {
        SystemClock::setNow(QDateTime(QDate(2025, 3, 14), time));
        clock->tmrTimeTimer();
        EXPECT_EQ(clock->lbClock->text(), time.toString(QStringLiteral("hh:mm:ss")));
    }
    EXPECT_EQ(clock->size(), freeClockSizeFor(QStringLiteral("23:59:59")));
    EXPECT_EQ(clock->pos(), QPoint(0, 0));
}

TEST_F(ClockWindowTest, ChoosingTheViewInForceReloadsAndResizesNothing)
{
    create();
    const qint64 face = clock->imgAnalogClock->pixmap().cacheKey();
    clock->resize(120, 120);
    clock->SwitchToAnalogClock();
    EXPECT_EQ(clock->imgAnalogClock->pixmap().cacheKey(), face);
    EXPECT_EQ(clock->size(), QSize(120, 120));

    clock->SwitchToFreeClock();
    clock->tmrTimeTimer();
    const QRect sized = clock->geometry();
    clock->SwitchToFreeClock();
    EXPECT_EQ(clock->geometry(), sized);
}

TEST_F(ClockWindowTest, AFreeClockNearTheRightEdgeStaysAgainstItWhileItGrows)
{
    create();
    clock->SwitchToFreeClock();
    clock->tmrTimeTimer();
    const int screenRight = Screen::geometry().width();
    clock->HorisSpace += 10;
    const int grownWidth = freeClockSizeFor(clock->lbClock->text()).width();
    // After growing, the right edge would be 9 pixels short of the screen's edge.
    clock->move(screenRight - grownWidth - 9, 300);
    clock->tmrTimeTimer();
    EXPECT_EQ(clock->geometry().right() + 1, screenRight);
}

TEST_F(ClockWindowTest, ATickWithNothingDueRunsNoStatementAndADueOneScans)
{
    create();
    const double now = SystemClock::nowDays();
    DataModule1->NextShowDT = now + DateTime::OneMinute;
    const quint64 before = DataModule1->connVO.statementCount();
    for (const quint8 mode : {vmAnalogClock, vmFreeClock, vmSysTrayIcon}) {
        clock->ViewMode = mode;
        clock->tmrTimeTimer();
    }
    EXPECT_EQ(DataModule1->connVO.statementCount(), before);

    DataModule1->NextShowDT = now - DateTime::OneMinute;
    clock->tmrTimeTimer();
    EXPECT_GT(DataModule1->connVO.statementCount(), before);
    EXPECT_EQ(DataModule1->NextShowDT, NoNextShowDT) << "the empty table has nothing due";
    EXPECT_TRUE(clock->tmrTime->isActive());
    EXPECT_NE(clock->taskAnswers, nullptr);
}

TEST_F(ClockWindowTest, WithoutASystemTrayTheTrayViewKeepsTheClockShownAndSaysSoOnce)
{
    if (QSystemTrayIcon::isSystemTrayAvailable())
        GTEST_SKIP() << "this desktop has a system tray";
    create();
    clock->SwitchToFreeClock();
    clock->SwitchToTrayIcon();
    clock->SwitchToFreeClock();
    clock->SwitchToTrayIcon();
    EXPECT_EQ(clock->ViewMode, vmAnalogClock);
    EXPECT_TRUE(clock->isVisible());
    EXPECT_EQ(dialogs.shown().size(), 1);
}

TEST_F(ClockWindowTest, TheMenuHoldsEveryItemInOrder)
{
    create();
    QStringList names;
    for (QAction* action : clock->pmClockMenu->actions())
        names << action->objectName();
    EXPECT_EQ(names, QStringList({"miCreate", "miView", "miAddresBook", "N1", "miSetting", "miHelp", "miAbout",
                                  "miEmpty", "miExit"}));
    const auto submenuNames = [](QAction* action) {
        QStringList result;
        for (QAction* sub : action->menu()->actions())
            result << sub->objectName();
        return result;
    };
    EXPECT_EQ(submenuNames(item("miCreate")), QStringList({"miToDo", "miHoliday"}));
    EXPECT_EQ(submenuNames(item("miView")), QStringList({"miViewToDoList", "miSchedule", "Holydayslist1"}));
    EXPECT_TRUE(item("N1")->isSeparator());
    EXPECT_EQ(item("miAbout")->text(), QStringLiteral("About..."));
    EXPECT_EQ(clock->spTrayIcon1->contextMenu(), clock->pmClockMenu);

    for (const char* enabled : {"miToDo", "miViewToDoList", "miSetting", "miHelp", "miExit"})
        EXPECT_TRUE(item(enabled)->isEnabled()) << enabled;
    for (const char* later : {"miHoliday", "miSchedule", "Holydayslist1", "miAddresBook", "miAbout"})
        EXPECT_FALSE(item(later)->isEnabled()) << later;
}

TEST_F(ClockWindowTest, ToDoAndToDoListOpenTheTaskWindows)
{
    create();
    TfrmCreateToDo editor;
    TfrmToDoList list;
    item("miToDo")->trigger();
    EXPECT_TRUE(editor.isVisible());
    EXPECT_EQ(editor.tag(), 0);
    EXPECT_EQ(editor.windowTitle(), QStringLiteral("NewToDo..."));
    item("miViewToDoList")->trigger();
    EXPECT_TRUE(list.isVisible());
    EXPECT_EQ(list.size(), QSize(519, 308));
}

TEST_F(ClockWindowTest, ExitClosesTheClockAndItsEndAsksForTheShortSave)
{
    create();
    QSignalSpy closed(clock.get(), &TfrmClock::closed);
    QSignalSpy saves(clock.get(), &TfrmClock::viewSettingsSaveRequested);
    item("miExit")->trigger();
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(clock->isVisible());
    clock->QueryEndSession();
    EXPECT_EQ(saves.count(), 1);
    TfrmClock* raw = clock.get();
    QObject::connect(raw, &TfrmClock::viewSettingsSaveRequested, raw, [&saves] { EXPECT_EQ(saves.count(), 2); });
    clock.reset();
    EXPECT_EQ(frmClock, nullptr);
}

TEST_F(ClockWindowTest, HelpFromTheMenuOpensTheClocksContext)
{
    folder.writeFile(QStringLiteral("Help/context-1.html"), "<html></html>");
    create();
    item("miHelp")->trigger();
    ASSERT_EQ(dialogs.opened().size(), 1);
    EXPECT_EQ(dialogs.opened().first().fileName(), QStringLiteral("context-1.html"));
}

TEST_F(ClockWindowTest, DraggingWithTheLeftButtonMovesTheClockAndSnapsItToAnEdge)
{
    create();
    clock->move(400, 300);
    const auto send = [this](QEvent::Type type, QPoint global, Qt::MouseButton button, Qt::MouseButtons buttons) {
        QMouseEvent event(type, QPointF(global - clock->pos()), QPointF(global), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(clock.get(), &event);
    };
    send(QEvent::MouseButtonPress, QPoint(420, 320), Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, QPoint(220, 120), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(clock->pos(), QPoint(200, 100));
    // Dropped 8 pixels from the left edge.
    send(QEvent::MouseButtonRelease, QPoint(28, 120), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(clock->pos(), QPoint(0, 100));

    send(QEvent::MouseButtonPress, QPoint(30, 120), Qt::RightButton, Qt::RightButton);
    send(QEvent::MouseMove, QPoint(300, 300), Qt::NoButton, Qt::RightButton);
    EXPECT_EQ(clock->pos(), QPoint(0, 100));
}

TEST_F(ClockWindowTest, TheMouseOnTheClockStartsTheOverviewDelayAndTheMenuCancelsIt)
{
    create();
    QEnterEvent enter(QPointF(10, 10), QPointF(10, 10), QPointF(10, 10));
    QApplication::sendEvent(clock.get(), &enter);
    EXPECT_TRUE(clock->tmrDayInfoShow->isActive());
    EXPECT_EQ(clock->tmrDayInfoShow->interval(), 1000);
    emit clock->pmClockMenu->aboutToShow();
    EXPECT_FALSE(clock->tmrDayInfoShow->isActive());

    QApplication::sendEvent(clock.get(), &enter);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(clock.get(), &leave);
    EXPECT_FALSE(clock->tmrDayInfoShow->isActive());
}

}  // namespace
