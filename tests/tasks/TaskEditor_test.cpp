#include "data/uDataModule.h"
#include "draw/uLarkspurUtils.h"
#include "platform/DateTime.h"
#include "platform/Query.h"
#include "reminders/uToDo.h"
#include "platform/SystemClock.h"
#include "tasks/uNewToDo.h"
#include "tasks/uToDoList.h"
#include "tests/support/ProgramFolderFixture.h"
#include "tests/support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimeEdit>

namespace {

struct StoredTask {
    int mesType;
    double firstDT, showDT;
    QString title;
    int periodInt, periodType, elapseInt, elapseType;
};

class TaskEditorTest : public ::testing::Test {
protected:
    StoredTask stored(qint32 tdid)
    {
        Query q(dm.connVO);
        q.add(QStringLiteral("SELECT * FROM ToDo WHERE TDID = :TDID"));
        q.param(QStringLiteral("TDID")).setType(ParamType::Integer).setValue(tdid);
        q.open();
        EXPECT_FALSE(q.eof());
        return {int(q.field("MesType").asInteger()), q.field("FirstDT").asDateTime(), q.field("ShowDT").asDateTime(),
                q.field("Title").asString(), int(q.field("PeriodInt").asInteger()),
                int(q.field("PeriodType").asInteger()), int(q.field("ElapseInt").asInteger()),
                int(q.field("ElapseType").asInteger())};
    }

    qint32 lastKey()
    {
        Query q(dm.connVO);
        q.add(QStringLiteral("SELECT Max(TDID) AS K FROM ToDo"));
        q.open();
        return qint32(q.field("K").asInteger());
    }

    qint32 insertRow(int mesType, double firstDT, double showDT, int periodInt = 0, int periodType = 0)
    {
        Query q(dm.connVO);
        q.add(QStringLiteral("INSERT INTO ToDo (MesType, FirstDT, ShowDT, Title, PeriodInt, PeriodType, ElapseInt, "
                             "ElapseType) VALUES (:M, :F, :S, 'row', :PI, :PT, 1, 2)"));
        q.param("M").setType(ParamType::Integer).setValue(mesType);
        q.param("F").setType(ParamType::DateTime).setValue(firstDT);
        q.param("S").setType(ParamType::DateTime).setValue(showDT);
        q.param("PI").setType(ParamType::Integer).setValue(periodInt);
        q.param("PT").setType(ParamType::Integer).setValue(periodType);
        q.execSQL();
        return lastKey();
    }

    // A new task "In N units after start", saved.
    qint32 saveAfterStart(int count, int unit)
    {
        editor.OpenNewTask();
        editor.edTitle->setText(QStringLiteral("after start"));
        editor.rbAfterWinLoad->setChecked(true);
        editor.spAfterWinLoad->setValue(count);
        editor.cbAfterWinLoading->setCurrentIndex(unit);
        editor.bbOK->click();
        return lastKey();
    }

    ProgramFolderFixture folder;
    ScriptedDialogs dialogs;
    TDataModule1 dm;
    TfrmCreateToDo editor;
    TfrmToDoList list;
    const double now = SystemClock::nowDays();
};

TEST_F(TaskEditorTest, NewTaskAtExactTimeIsSavedAndArmsTheEngine)
{
    editor.OpenNewTask();
    EXPECT_EQ(editor.windowTitle(), QStringLiteral("NewToDo..."));
    editor.edTitle->setText(QStringLiteral("Call the dentist"));
    editor.dtpToDoTime->setTime(QTime(10, 15));
    editor.bbOK->click();

    EXPECT_TRUE(dialogs.shown().isEmpty());
    EXPECT_FALSE(editor.isVisible());
    const StoredTask task = stored(lastKey());
    const double due = DateTime::encode(QDate(2025, 3, 14), QTime(10, 15));
    EXPECT_EQ(task.mesType, 0);
    EXPECT_DOUBLE_EQ(task.firstDT, due);
    EXPECT_DOUBLE_EQ(task.showDT, due);
    EXPECT_EQ(task.title, QStringLiteral("Call the dentist"));
    EXPECT_EQ(task.periodInt, 0);
    EXPECT_EQ(task.elapseInt, 1);
    EXPECT_EQ(task.elapseType, 2);
    EXPECT_DOUBLE_EQ(dm.NextShowDT, due);

    // Its time comes: the clock's next tick announces it once.
    bool timerOn = true;
    SystemClock::setNow(QDateTime(QDate(2025, 3, 14), QTime(10, 15, 1)));
    dm.RunTimerScan([&timerOn](bool on) { timerOn = on; });
    EXPECT_TRUE(timerOn);
    std::vector<TfrmToDo*> reminders;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* reminder = qobject_cast<TfrmToDo*>(widget))
            reminders.push_back(reminder);
    }
    ASSERT_EQ(reminders.size(), 1u);
    EXPECT_EQ(reminders[0]->lblTitle->text(), QStringLiteral("Call the dentist"));
    EXPECT_DOUBLE_EQ(reminders[0]->TaskTime, due);
    EXPECT_EQ(stored(lastKey()).mesType, 10);
    delete reminders[0];
}

TEST_F(TaskEditorTest, AfterStartOffsetsStoreDurationsAndReopenInTheirUnit)
{
    const struct {
        int count, unit;
        double firstDT;
        int reopenedCount, reopenedUnit;
    } cases[] = {
        {90, TaskRecord::Minutes, 90.0 / 1440, 90, TaskRecord::Minutes},
        {2, TaskRecord::Hours, 2.0 / 24, 2, TaskRecord::Hours},
        {120, TaskRecord::Minutes, 120.0 / 1440, 2, TaskRecord::Hours},
        {45, TaskRecord::Minutes, 45.0 / 1440, 45, TaskRecord::Minutes},
    };
    for (const auto& c : cases) {
        const qint32 key = saveAfterStart(c.count, c.unit);
        const StoredTask task = stored(key);
        EXPECT_EQ(task.mesType, 3);
        EXPECT_NEAR(task.firstDT, c.firstDT, 1e-12);
        EXPECT_NEAR(task.showDT, c.firstDT + SystemStartTime(), 1e-9);

        editor.OpenTask(key);
        EXPECT_TRUE(editor.rbAfterWinLoad->isChecked());
        EXPECT_EQ(editor.spAfterWinLoad->value(), c.reopenedCount) << c.count;
        EXPECT_EQ(editor.cbAfterWinLoading->currentIndex(), c.reopenedUnit) << c.count;
        EXPECT_FALSE(editor.dtpToDoTime->isEnabled());
        EXPECT_TRUE(editor.spAfterWinLoad->isEnabled());
        editor.close();
    }
    // Every whole number of hours reopens as hours, whatever the rounding of the stored value.
    for (int hours = 1; hours <= 72; ++hours) {
        const AfterStartOffset offset = OffsetFromDuration(DurationFromOffset(hours, TaskRecord::Hours));
        EXPECT_EQ(offset.count, hours);
        EXPECT_EQ(offset.unit, TaskRecord::Hours);
    }
}

TEST_F(TaskEditorTest, RepeatWithCountZeroIsAOneTimeTask)
{
    editor.OpenNewTask();
    editor.edTitle->setText(QStringLiteral("t"));
    editor.dtpToDoTime->setTime(QTime(11, 0));
    editor.chbRepeatEvery->setChecked(true);
    EXPECT_TRUE(editor.seRepeatEvery->isEnabled());
    editor.seRepeatEvery->setValue(0);
    editor.cbRepeatEvery->setCurrentIndex(4);
    editor.bbOK->click();
    const StoredTask task = stored(lastKey());
    EXPECT_EQ(task.periodInt, 0);
    EXPECT_EQ(task.periodType, 5);
}

TEST_F(TaskEditorTest, EditingATaskThatCameDueArmsItAgain)
{
    const double past = DateTime::encode(QDate(2025, 3, 13), QTime(8, 0, 5));
    const qint32 key = insertRow(10, past, past);
    editor.OpenTask(key);
    EXPECT_EQ(editor.windowTitle(), QStringLiteral("EditTask..."));
    EXPECT_EQ(editor.tag(), key);
    EXPECT_EQ(editor.dtpToDoTime->time(), QTime(8, 0, 5));
    editor.bbOK->click();
    EXPECT_TRUE(dialogs.shown().isEmpty()) << "an edited task's moment is not checked";
    const StoredTask task = stored(key);
    EXPECT_EQ(task.mesType, 0);
    EXPECT_DOUBLE_EQ(task.showDT, past);
}

TEST_F(TaskEditorTest, EditShowsTheNextDueTimeAndTheRepeat)
{
    const double anchor = DateTime::encode(QDate(2025, 3, 1), QTime(7, 0));
    const double next = DateTime::encode(QDate(2025, 3, 15), QTime(7, 0));
    const qint32 key = insertRow(0, anchor, next, 2, 4);
    editor.OpenTask(key);
    EXPECT_EQ(editor.dtpToDoDate->date(), QDate(2025, 3, 15));
    EXPECT_TRUE(editor.chbRepeatEvery->isChecked());
    EXPECT_EQ(editor.seRepeatEvery->value(), 2);
    EXPECT_EQ(editor.cbRepeatEvery->currentIndex(), 3);
    EXPECT_EQ(editor.seActiveTime->value(), 1);
    EXPECT_EQ(editor.cbActiveTime->currentIndex(), 1);
}

TEST_F(TaskEditorTest, RefusedInputKeepsTheDialogOpenWithItsInput)
{
    // OK at once: the time box holds the moment the dialog was shown, which has passed.
    SystemClock::setNow(SystemClock::now().addMSecs(400));
    editor.OpenNewTask();
    editor.bbOK->click();
    ASSERT_EQ(dialogs.shown().size(), 1);
    EXPECT_EQ(dialogs.shown()[0].caption, QStringLiteral("Addition of new task"));
    EXPECT_EQ(dialogs.shown()[0].text, QStringLiteral("TimeOfTaskIsLessThanNow"));
    EXPECT_EQ(dialogs.shown()[0].icon, Dialogs::Icon::Warning);

    editor.edTitle->setText(QStringLiteral("   "));
    editor.dtpToDoTime->setTime(QTime(23, 0));
    editor.bbOK->click();
    ASSERT_EQ(dialogs.shown().size(), 2);
    EXPECT_EQ(dialogs.shown()[1].text, QStringLiteral("InputTaskTitle"));
    EXPECT_TRUE(editor.isVisible());
    EXPECT_EQ(editor.dtpToDoTime->time(), QTime(23, 0));
    EXPECT_EQ(lastKey(), 0);
}

TEST_F(TaskEditorTest, ToDoWhileEditingTurnsTheDialogIntoANewTaskKeepingTheShownFields)
{
    const double later = DateTime::encode(QDate(2025, 4, 2), QTime(12, 0));
    const qint32 key = insertRow(0, later, later);
    editor.OpenTask(key);
    editor.OpenNewTask();
    EXPECT_EQ(editor.tag(), 0);
    EXPECT_EQ(editor.edTitle->text(), QStringLiteral("row"));
    EXPECT_EQ(editor.dtpToDoDate->date(), QDate(2025, 4, 2));
    editor.bbOK->click();
    EXPECT_EQ(lastKey(), key + 1);
}

}  // namespace
