#include "tests/support/ReminderFixture.h"

#include "draw/uLarkspurUtils.h"
#include "platform/DateTime.h"
#include "reminders/TaskAnswerHandler.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QWindow>

#include <map>

namespace {

class ReminderWindow : public ReminderFixture {
protected:
    TfrmToDo& Show(const TTaskParams& task, int offset = 0)
    {
        TfrmToDo::ShowReminder(task, QStringLiteral("Caption"), offset);
        for (TfrmToDo* form : Windows()) {
            if (form->Tag == task.TDID)
                return *form;
        }
        throw std::runtime_error("no window for the task");
    }
};

TEST_F(ReminderWindow, StartsBelowTheScreenAndSlidesUpToItsRestingPlace)
{
    TfrmToDo& form = Show({7, QStringLiteral("Title"), QString(), At(2025, 3, 14, 9, 0)}, 20);
    EXPECT_EQ(form.size(), QSize(239, 299));
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(form.windowFlags().testFlag(Qt::Tool));
    EXPECT_FALSE(form.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_TRUE(form.testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_EQ(form.pos(), QPoint(1280 - 239 - 3, 1024));
    EXPECT_EQ(form.TargetTop, 1024 - 299 - 20 - 25);
    EXPECT_TRUE(form.tmrShow->isActive());
    EXPECT_EQ(form.tmrShow->interval(), 40);

    std::vector<int> tops;
    while (form.tmrShow->isActive() && tops.size() < 100) {
        form.tmrShowTimer();
        tops.push_back(form.y());
    }
    ASSERT_EQ(tops.size(), 25u);
    EXPECT_EQ(tops[0], 1024 - 14);
    EXPECT_EQ(tops[23], 1024 - 24 * 14);
    EXPECT_EQ(tops[24], form.TargetTop);
    EXPECT_EQ(form.x(), 1280 - 239 - 3);
}

TEST_F(ReminderWindow, ShowsTheTaskInTheUsersFormats)
{
    const double holiday = At(2024, 12, 25);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    TfrmToDo& form = Show({9, QStringLiteral("Christmas"), QStringLiteral("line one\nline two"), holiday});
    QLocale::setDefault(QLocale::system());
    EXPECT_EQ(form.objectName(), QStringLiteral("frmToDo"));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Caption"));
    EXPECT_EQ(form.lblTitle->text(), QStringLiteral("Christmas"));
    // Long date and long time, without the time zone that Qt's long time format adds.
    EXPECT_EQ(form.lbTaskTime->text(), QStringLiteral("Mittwoch, 25. Dezember 2024 00:00:00"));
    EXPECT_EQ(form.memDescript->toPlainText(), QStringLiteral("line one\nline two"));
    EXPECT_TRUE(form.memDescript->isReadOnly());
    EXPECT_EQ(form.Tag, 9);
    EXPECT_EQ(form.TaskTime, holiday);
    for (const char* name : {"lbTitle", "lblTitle", "lblTaskTime", "lbTaskTime", "lbDescript", "memDescript",
                             "rbDone", "rbPostpone", "sePostpone", "cbPostpone", "btnOK", "tmrShow"})
        EXPECT_NE(form.findChild<QObject*>(QString::fromLatin1(name)), nullptr) << name;
}

TEST_F(ReminderWindow, SimultaneousWindowsAreNumberedAfterTheFirst)
{
    Show({1, {}, {}, 0.0});
    Show({2, {}, {}, 0.0});
    Show({3, {}, {}, 0.0});
    std::map<qint32, QString> names;
    for (const TfrmToDo* form : Windows())
        names[form->Tag] = form->objectName();
    EXPECT_EQ(names, (std::map<qint32, QString>{{1, QStringLiteral("frmToDo")},
                                                 {2, QStringLiteral("frmToDo_1")},
                                                 {3, QStringLiteral("frmToDo_2")}}));
    for (TfrmToDo* form : Windows()) {
        if (form->Tag == 1)
            delete form;
    }
    EXPECT_EQ(Show({4, {}, {}, 0.0}).objectName(), QStringLiteral("frmToDo"));
}

TEST_F(ReminderWindow, PostponeControlsFollowTheChoice)
{
    TfrmToDo& form = Show({1, {}, {}, 0.0});
    EXPECT_TRUE(form.rbDone->isChecked());
    EXPECT_FALSE(form.sePostpone->isEnabled());
    EXPECT_FALSE(form.cbPostpone->isEnabled());
    EXPECT_EQ(form.sePostpone->value(), 10);
    EXPECT_EQ(form.sePostpone->minimum(), 0);
    EXPECT_EQ(form.sePostpone->maximum(), 255);
    EXPECT_EQ(form.cbPostpone->count(), 6);
    EXPECT_EQ(form.cbPostpone->currentIndex(), 0);

    form.rbPostpone->click();
    EXPECT_TRUE(form.sePostpone->isEnabled());
    EXPECT_TRUE(form.cbPostpone->isEnabled());
    form.rbDone->click();
    EXPECT_FALSE(form.sePostpone->isEnabled());
    EXPECT_FALSE(form.cbPostpone->isEnabled());
}

TEST_F(ReminderWindow, TheWindowManagersCloseIsRefused)
{
    TfrmToDo& form = Show({1, {}, {}, 0.0});
    form.windowHandle()->close();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(Windows().size(), 1u);
}

struct AnswerCase {
    const char* name;
    bool postpone;
    int count;
    int unitIndex;
    double expectedShowDT;
    qint64 expectedMesType;
};

class ReminderAnswer : public ReminderWindow, public ::testing::WithParamInterface<AnswerCase> {};

// The answer is posted: nothing changes during the click, the handler applies it and the
// window goes afterwards.
TEST_P(ReminderAnswer, ReachesTheHandlerAfterTheClick)
{
    const AnswerCase& c = GetParam();
    TaskAnswerHandler handler(dataModule);
    const double shown = At(2025, 3, 14, 9, 0);
    const qint32 id = Insert({10, shown, shown, 0, 0, 1, ptHours});
    TfrmToDo& form = Show({id, {}, {}, shown});
    if (c.postpone) {
        form.rbPostpone->click();
        form.sePostpone->setValue(c.count);
        form.cbPostpone->setCurrentIndex(c.unitIndex);
    }
    form.btnOK->click();
    EXPECT_EQ(Windows().size(), 1u);
    EXPECT_EQ(Read(id).mesType, 10);

    QCoreApplication::sendPostedEvents(&handler, WM_TASKANSWER);
    EXPECT_TRUE(Windows().empty());
    EXPECT_EQ(Read(id).showDT, c.expectedShowDT);
    EXPECT_EQ(Read(id).mesType, c.expectedMesType);
}

INSTANTIATE_TEST_SUITE_P(
    DoneOrPostpone, ReminderAnswer,
    ::testing::Values(AnswerCase{"done", false, 0, 0, ReminderFixture::At(2025, 3, 14, 9, 0), 10},
                      AnswerCase{"twoHours", true, 2, 1, ReminderFixture::At(2025, 3, 14, 11, 0), 0},
                      AnswerCase{"oneMonth", true, 1, 4, ReminderFixture::At(2025, 4, 14, 9, 0), 0}),
    [](const ::testing::TestParamInfo<AnswerCase>& info) { return std::string(info.param.name); });

}  // namespace
