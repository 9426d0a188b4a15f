#include "tests/support/ReminderFixture.h"
#include "tests/support/ScriptedDialogs.h"

#include "draw/uLarkspurUtils.h"
#include "lang/uLanguages.h"
#include "platform/DateTime.h"
#include "platform/SystemClock.h"

#include <QTimer>

namespace {

constexpr qint32 OneHour = 1;  // ElapseInt of an hour with ElapseType ptHours

class ReminderScan : public ReminderFixture {
protected:
    // One tick of the clock whose NextShowDT has passed; counts how the timer was switched.
    void TimerScan()
    {
        dataModule.NextShowDT = 0.0;
        Tick();
    }
    void Tick()
    {
        dataModule.RunTimerScan([this](bool enabled) { timerSwitches.push_back(enabled); });
    }
    std::vector<bool> timerSwitches;
};

// Monthly from the 31st: clamped to the month's end, then kept on the clamped day.
TEST_F(ReminderScan, MonthlySeriesFromThe31stClampsAndStaysClamped)
{
    for (const int year : {2025, 2024}) {
        const int february = QDate(year, 2, 1).daysInMonth();
        const double anchor = At(year, 1, 31, 10, 0);
        const qint32 id = Insert({0, anchor, anchor, 1, ptMonths, OneHour, ptHours});
        SetNow(At(year, 1, 31, 10, 30));
        TimerScan();
        EXPECT_EQ(Read(id).showDT, At(year, 2, february, 10, 0)) << year;
        SetNow(At(year, 2, february, 10, 30));
        TimerScan();
        EXPECT_EQ(Read(id).showDT, At(year, 3, february, 10, 0)) << year;
        EXPECT_EQ(Windows().size(), 2u) << year;
        CloseWindows();
    }
}

TEST_F(ReminderScan, YearlySeriesFromLeapDayContinuesOnThe28th)
{
    const qint32 id = Insert({0, At(2024, 2, 29, 9, 0), At(2025, 2, 28, 9, 0), 1, ptYears, OneHour, ptHours});
    SetNow(At(2025, 2, 28, 9, 30));
    TimerScan();
    EXPECT_EQ(Read(id).showDT, At(2026, 2, 28, 9, 0));
    EXPECT_EQ(WindowTimes(), std::vector<double>{At(2025, 2, 28, 9, 0)});
}

// A one-time task's active time includes its end; past it the task is only marked come due.
TEST_F(ReminderScan, OneTimeTaskWithinAndPastItsActiveTime)
{
    struct Case {
        int minutesLate;
        bool announced;
    };
    for (const Case c : {Case{59, true}, Case{60, true}, Case{61, false}}) {
        const double due = At(2025, 3, 14, 9, 0);
        const qint32 id = Insert({0, due, due, 0, 0, OneHour, ptHours});
        SetNow(IncPeriod(ptMinutes, c.minutesLate, due));
        TimerScan();
        EXPECT_EQ(Windows().size(), c.announced ? 1u : 0u) << c.minutesLate;
        EXPECT_EQ(Read(id).mesType, 10) << c.minutesLate;
        CloseWindows();
    }
}

TEST_F(ReminderScan, StartUpAnnouncesEveryMissedElementOfTheSeriesOnce)
{
    const qint32 id = Insert({0, At(2025, 3, 14, 9, 0), At(2025, 3, 14, 10, 0), 10, ptMinutes, OneHour, ptHours});
    SetNow(At(2025, 3, 14, 10, 35));
    dataModule.PrepareAfterLoadTasks();

    const std::vector<double> expected{At(2025, 3, 14, 10, 0),  At(2025, 3, 14, 9, 40),  At(2025, 3, 14, 9, 50),
                                       At(2025, 3, 14, 10, 10), At(2025, 3, 14, 10, 20), At(2025, 3, 14, 10, 30)};
    EXPECT_EQ(WindowTimes(), expected);
    EXPECT_EQ(Read(id).showDT, At(2025, 3, 14, 10, 40));
    EXPECT_EQ(dataModule.NextShowDT, At(2025, 3, 14, 10, 40));
}

// Another program's arithmetic leaves the stored time a few microseconds off the series.
TEST_F(ReminderScan, StoredTimeAHairOffTheSeriesIsStillAnnouncedOnce)
{
    Insert({0, At(2025, 3, 14, 9, 0), At(2025, 3, 14, 10, 0) - 1.5e-10, 10, ptMinutes, OneHour, ptHours});
    SetNow(At(2025, 3, 14, 10, 35));
    dataModule.PrepareAfterLoadTasks();
    EXPECT_EQ(WindowTimes().size(), 6u);
}

TEST_F(ReminderScan, TimerScanAnnouncesARepeatingRowOnlyForItsStoredTime)
{
    const qint32 id = Insert({0, At(2025, 3, 14, 9, 0), At(2025, 3, 14, 10, 0), 10, ptMinutes, OneHour, ptHours});
    SetNow(At(2025, 3, 14, 10, 35));
    TimerScan();
    EXPECT_EQ(WindowTimes(), std::vector<double>{At(2025, 3, 14, 10, 0)});
    EXPECT_EQ(Read(id).showDT, At(2025, 3, 14, 10, 40));
    EXPECT_EQ(timerSwitches, (std::vector<bool>{false, true}));
}

TEST_F(ReminderScan, HolidayIsAnnouncedItsNoticeAheadWithItsOwnDate)
{
    dataModule.CaptionLookup = [](const QString& key) { return QStringLiteral("<%1>").arg(key); };
    const double holiday = At(2024, 12, 25);
    const qint32 id = Insert({2, holiday, At(2025, 12, 22), 1, ptYears, 3, ptDays});

    SetNow(At(2025, 12, 21, 23, 59));
    dataModule.UpdateNextShowDT();
    Tick();
    EXPECT_TRUE(Windows().empty());

    SetNow(At(2025, 12, 22, 0, 0, 1));
    Tick();
    const std::vector<TfrmToDo*> windows = Windows();
    ASSERT_EQ(windows.size(), 1u);
    EXPECT_EQ(windows[0]->windowTitle(), QStringLiteral("<Holidays>"));
    EXPECT_EQ(windows[0]->TaskTime, holiday);
    EXPECT_EQ(Read(id).showDT, At(2026, 12, 22));
    EXPECT_EQ(Read(id).mesType, 2);
}

TEST_F(ReminderScan, AfterStartTasksWaitAgainForSystemStartPlusTheirOffset)
{
    // The fixture's system started at 08:30; now is 09:30.
    const qint32 cameDue = Insert({13, 30 * DateTime::OneMinute, At(2025, 3, 1), 0, 0, OneHour, ptHours});
    const qint32 later = Insert({3, 2 * DateTime::OneHour, At(2025, 3, 1), 0, 0, OneHour, ptHours});
    const qint32 expired = Insert({0, At(2025, 3, 13, 9, 0), At(2025, 3, 13, 9, 0), 0, 0, OneHour, ptHours});
    dataModule.PrepareAfterLoadTasks();

    EXPECT_EQ(WindowTimes().size(), 1u);
    EXPECT_NEAR(Read(cameDue).showDT, At(2025, 3, 14, 9, 0), 1e-9);
    EXPECT_EQ(Read(cameDue).mesType, 13);
    EXPECT_NEAR(Read(later).showDT, At(2025, 3, 14, 10, 30), 1e-9);
    EXPECT_EQ(Read(later).mesType, 3);
    EXPECT_EQ(Read(expired).mesType, 10);
    EXPECT_NEAR(dataModule.NextShowDT, At(2025, 3, 14, 10, 30), 1e-9);
}

struct PostponeCase {
    const char* name;
    quint8 count;
    quint8 code;
    double expectedShowDT;
};

class RepeatingPostponement : public ReminderFixture, public ::testing::WithParamInterface<PostponeCase> {};

// Hourly from 09:00, answered at 09:05 for the 09:00 window: the series stands at 10:00.
TEST_P(RepeatingPostponement, MovesShowDTOnlyWhenEarlier)
{
    const PostponeCase& c = GetParam();
    const qint32 id = Insert({0, At(2025, 3, 14, 9, 0), At(2025, 3, 14, 10, 0), 1, ptHours, OneHour, ptHours});
    SetNow(At(2025, 3, 14, 9, 5));
    dataModule.ApplyTaskAnswer(id, c.count, c.code, At(2025, 3, 14, 9, 0));
    EXPECT_EQ(Read(id).showDT, c.expectedShowDT);
    EXPECT_EQ(Read(id).mesType, 0);
}

INSTANTIATE_TEST_SUITE_P(
    HourlyAt0905, RepeatingPostponement,
    ::testing::Values(PostponeCase{"tenMinutes", 10, ptMinutes, ReminderFixture::At(2025, 3, 14, 9, 10)},
                      PostponeCase{"twoHours", 2, ptHours, ReminderFixture::At(2025, 3, 14, 10, 0)},
                      PostponeCase{"unknownUnit", 1, 7, ReminderFixture::At(2025, 3, 14, 10, 0)}),
    [](const ::testing::TestParamInfo<PostponeCase>& info) { return std::string(info.param.name); });

TEST_F(ReminderScan, PostponedOneTimeTaskWaitsAgain)
{
    struct Case {
        qint64 mesType;
        double shown;
        quint8 count;
        quint8 code;
        double expectedShowDT;
        qint64 expectedMesType;
    };
    SetNow(At(2025, 3, 14, 9, 30));
    for (const Case c : {Case{10, At(2025, 3, 14, 9, 0), 0, ptMinutes, At(2025, 3, 14, 9, 0), 0},
                         Case{13, At(2025, 1, 31, 10, 0), 1, ptMonths, At(2025, 2, 28, 10, 0), 3},
                         // saved in the editor while its window was open: it waits already
                         Case{0, At(2025, 3, 14, 9, 0), 10, ptMinutes, At(2025, 3, 14, 9, 10), 0},
                         Case{3, At(2025, 3, 14, 9, 0), 1, ptDays, At(2025, 3, 15, 9, 0), 3}}) {
        const qint32 id = Insert({c.mesType, c.shown, c.shown, 0, 0, OneHour, ptHours});
        dataModule.ApplyTaskAnswer(id, c.count, c.code, c.shown);
        EXPECT_EQ(Read(id).showDT, c.expectedShowDT) << c.mesType;
        EXPECT_EQ(Read(id).mesType, c.expectedMesType) << c.mesType;
        dataModule.DeleteTask(id);
        EXPECT_FALSE(Exists(id));
    }
}

TEST_F(ReminderScan, TaskPostponedByZeroUnitsIsAnnouncedAgainByTheNextScan)
{
    const qint32 id = Insert({0, At(2025, 3, 14, 9, 0), At(2025, 3, 14, 9, 0), 0, 0, OneHour, ptHours});
    TimerScan();
    ASSERT_EQ(Windows().size(), 1u);
    CloseWindows();
    dataModule.ApplyTaskAnswer(id, 0, ptMinutes, At(2025, 3, 14, 9, 0));
    EXPECT_EQ(dataModule.NextShowDT, NoNextShowDT);  // due already, nothing in the future
    TimerScan();
    EXPECT_EQ(WindowTimes(), std::vector<double>{At(2025, 3, 14, 9, 0)});
    EXPECT_EQ(Read(id).mesType, 10);
}

TEST_F(ReminderScan, AnswerForADeletedRowWritesNothing)
{
    const qint32 id = Insert({10, At(2025, 3, 14, 9, 0), At(2025, 3, 14, 9, 0), 0, 0, OneHour, ptHours});
    dataModule.DeleteTask(id);
    dataModule.NextShowDT = 12345.0;
    dataModule.ApplyTaskAnswer(id, 10, ptMinutes, At(2025, 3, 14, 9, 0));
    EXPECT_FALSE(Exists(id));
    EXPECT_EQ(dataModule.NextShowDT, 12345.0);
}

TEST_F(ReminderScan, TasksDueTogetherCascadeAndTheNextScanStartsAtOffsetZero)
{
    const double due = At(2025, 3, 14, 9, 29);
    Insert({0, due, due, 0, 0, OneHour, ptHours, QStringLiteral("first")});
    Insert({0, due, due, 0, 0, OneHour, ptHours, QStringLiteral("second")});
    Insert({0, due, due, 1, ptDays, OneHour, ptHours, QStringLiteral("repeating")});
    TimerScan();
    std::vector<TfrmToDo*> windows = Windows();
    ASSERT_EQ(windows.size(), 3u);
    const int bottom = 1024 - 299 - 25;
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(windows[i]->TargetTop, bottom - 20 * i);
    EXPECT_EQ(windows[2]->windowTitle(), QStringLiteral("RegularTask"));
    EXPECT_EQ(windows[0]->windowTitle(), QStringLiteral("OnceTask"));
    CloseWindows();

    Insert({0, due, IncPeriod(ptMinutes, 5, due), 0, 0, OneHour, ptHours});
    EXPECT_EQ(dataModule.NextShowDT, At(2025, 3, 15, 9, 29));
    SetNow(At(2025, 3, 14, 9, 35));
    TimerScan();
    windows = Windows();
    ASSERT_EQ(windows.size(), 1u);
    EXPECT_EQ(windows[0]->TargetTop, bottom);
}

TEST_F(ReminderScan, CaptionsComeFromTheLanguagesMessages)
{
    folder.writeFile(QStringLiteral("Languages/English.lng"), "[Messages]\r\nOnceTask=Task\r\n");
    CurrentLanguage = QStringLiteral("English");
    Insert({0, At(2025, 3, 14, 9, 0), At(2025, 3, 14, 9, 0), 0, 0, OneHour, ptHours});
    TimerScan();
    CurrentLanguage.clear();
    const std::vector<TfrmToDo*> windows = Windows();
    ASSERT_EQ(windows.size(), 1u);
    EXPECT_EQ(windows[0]->windowTitle(), QStringLiteral("Task"));
}

TEST_F(ReminderScan, NothingInTheFutureMeansNoScanAndNoSql)
{
    Insert({10, At(2025, 3, 14, 9, 0), At(2025, 3, 14, 9, 0), 0, 0, OneHour, ptHours});
    dataModule.UpdateNextShowDT();
    EXPECT_EQ(dataModule.NextShowDT, NoNextShowDT);

    const quint64 statements = dataModule.connVO.statementCount();
    Tick();
    SetNow(At(2079, 6, 3, 23, 59));
    Tick();
    EXPECT_EQ(dataModule.connVO.statementCount(), statements);
    EXPECT_TRUE(timerSwitches.empty());
}

TEST_F(ReminderScan, IdleTickBeforeNextShowDTRunsNoSql)
{
    Insert({0, At(2025, 3, 14, 9, 45), At(2025, 3, 14, 9, 45), 0, 0, OneHour, ptHours});
    dataModule.UpdateNextShowDT();
    const quint64 statements = dataModule.connVO.statementCount();
    SetNow(At(2025, 3, 14, 9, 45));  // strictly later is needed
    Tick();
    EXPECT_EQ(dataModule.connVO.statementCount(), statements);
    SetNow(At(2025, 3, 14, 9, 45, 1));
    Tick();
    EXPECT_GT(dataModule.connVO.statementCount(), statements);
    EXPECT_EQ(Windows().size(), 1u);
}

TEST_F(ReminderScan, FailingScanKeepsTheClockRunningReportsOnceAndRetriesAMinuteLater)
{
    ScriptedDialogs dialogs;
    dataModule.connVO.setPath(folder.filePath(QStringLiteral("missing/Ls.lsb")));
    TimerScan();
    EXPECT_EQ(timerSwitches, (std::vector<bool>{false, true}));
    ASSERT_EQ(dialogs.shown().size(), 1);
    EXPECT_EQ(dialogs.shown()[0].icon, Dialogs::Icon::Error);

    Tick();  // the same moment: no new try
    EXPECT_EQ(timerSwitches.size(), 2u);

    SetNow(At(2025, 3, 14, 9, 31, 1));
    Tick();  // tried again, fails again, not reported again
    EXPECT_EQ(timerSwitches, (std::vector<bool>{false, true, false, true}));
    EXPECT_EQ(dialogs.shown().size(), 1);

    dataModule.connVO.setPath(folder.databasePath());
    const qint32 id = Insert({0, At(2025, 3, 14, 9, 0), At(2025, 3, 14, 9, 0), 0, 0, OneHour, ptHours});
    SetNow(At(2025, 3, 14, 9, 32, 2));
    Tick();
    EXPECT_EQ(Read(id).mesType, 10);
    EXPECT_EQ(dialogs.shown().size(), 1);
}

// The regular scan lets the message loop run; a tick arriving then starts no second scan.
TEST_F(ReminderScan, TickDuringAScanDoesNothing)
{
    Insert({0, At(2025, 3, 14, 9, 0), At(2025, 3, 14, 9, 0), 1, ptDays, OneHour, ptHours});
    std::vector<bool> nestedSwitches;
    QTimer::singleShot(0, &dataModule, [&] {
        dataModule.NextShowDT = 0.0;
        dataModule.RunTimerScan([&](bool enabled) { nestedSwitches.push_back(enabled); });
    });
    TimerScan();
    EXPECT_EQ(Windows().size(), 1u);
    EXPECT_TRUE(nestedSwitches.empty());
    EXPECT_EQ(timerSwitches, (std::vector<bool>{false, true}));
}

TEST_F(ReminderScan, RepeatingRowWithUnknownUnitEndsItsWalk)
{
    const qint32 id = Insert({0, At(2025, 3, 14, 9, 0), At(2025, 3, 14, 9, 0), 1, 9, OneHour, ptHours});
    dataModule.PrepareAfterLoadTasks();
    EXPECT_EQ(Read(id).showDT, NoNextShowDT);
}

}  // namespace
