#include "tasks/uNewToDo.h"

#include "data/uDataModule.h"
#include "lang/uLanguages.h"
#include "platform/Components.h"
#include "platform/DateTime.h"
#include "platform/Dialogs.h"
#include "platform/Help.h"
#include "platform/LocaleFormats.h"
#include "platform/Screen.h"
#include "platform/SystemClock.h"
#include "tasks/uToDoList.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QKeyEvent>
#include <QShowEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimeEdit>

#include <stdexcept>

TfrmCreateToDo* frmCreateToDo = nullptr;

namespace {

const QString WarningCaption = QStringLiteral("Addition of new task");
constexpr int HelpContext = 4;
constexpr int MaxCount = 99999;


QLabel* heading(QWidget* parent, const char* name, const QString& caption, const QRect& geometry)
{
    QLabel* label = CreateComponent<QLabel>(parent, name, geometry);
    label->setText(caption);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: rgb(0, 64, 0);"));
    return label;
}

QSpinBox* countEdit(QWidget* parent, const char* name, int value, const QRect& geometry)
{
    // Negative counts mean nothing to a task.
    QSpinBox* spin = CreateComponent<QSpinBox>(parent, name, geometry);
    spin->setRange(0, MaxCount);
    spin->setValue(value);
    return spin;
}

QComboBox* unitList(QWidget* parent, const char* name, const QStringList& units, const QRect& geometry)
{
    QComboBox* combo = CreateComponent<QComboBox>(parent, name, geometry);
    combo->addItems(units);
    combo->setCurrentIndex(0);
    return combo;
}

const QStringList AllUnits = {"Minutes", "Hours", "Days", "Weeks", "Months", "Years"};

}  // namespace

TfrmCreateToDo::TfrmCreateToDo(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("frmCreateToDo"));
    setFixedSize(309, 370);
    setWindowTitle(QStringLiteral("New task"));

    lbTitle = heading(this, "lbTitle", QStringLiteral("Task title"), {8, 8, 293, 16});
    edTitle = CreateComponent<QLineEdit>(this, "edTitle", {8, 26, 293, 24});

    rbAtTime = CreateComponent<QRadioButton>(this, "rbAtTime", {8, 60, 100, 22});
    rbAtTime->setText(QStringLiteral("At exact time"));
    dtpToDoTime = CreateComponent<QTimeEdit>(this, "dtpToDoTime", {108, 59, 84, 24});
    dtpToDoTime->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    dtpToDoDate = CreateComponent<QDateEdit>(this, "dtpToDoDate", {195, 59, 106, 24});
    dtpToDoDate->setCalendarPopup(true);
    dtpToDoDate->setDisplayFormat(LocaleFormats::shortDateFormat());

    rbAfterWinLoad = CreateComponent<QRadioButton>(this, "rbAfterWinLoad", {8, 92, 40, 22});
    rbAfterWinLoad->setText(QStringLiteral("In "));
    spAfterWinLoad = countEdit(this, "spAfterWinLoad", 30, {48, 91, 52, 24});
    cbAfterWinLoading = unitList(this, "cbAfterWinLoading", AllUnits.mid(0, 2), {104, 91, 88, 24});
    lbAfterWinLoading = CreateComponent<QLabel>(this, "lbAfterWinLoading", {196, 88, 105, 32});
    lbAfterWinLoading->setText(QStringLiteral("after windows loading"));
    lbAfterWinLoading->setWordWrap(true);

    chbRepeatEvery = CreateComponent<QCheckBox>(this, "chbRepeatEvery", {8, 128, 112, 22});
    chbRepeatEvery->setText(QStringLiteral("Repeat every"));
    seRepeatEvery = countEdit(this, "seRepeatEvery", 30, {124, 127, 60, 24});
    cbRepeatEvery = unitList(this, "cbRepeatEvery", AllUnits, {188, 127, 113, 24});

    lbIfMess = CreateComponent<QLabel>(this, "lbIfMess", {8, 160, 154, 16});
    lbIfMess->setText(QStringLiteral("If the reminder is missed,"));
    lbDontShow = CreateComponent<QLabel>(this, "lbDontShow", {8, 176, 154, 16});
    lbDontShow->setText(QStringLiteral("do not show it after"));
    seActiveTime = countEdit(this, "seActiveTime", 1, {164, 166, 48, 24});
    cbActiveTime = unitList(this, "cbActiveTime", AllUnits.mid(0, 3), {216, 166, 85, 24});

    lbDescription = heading(this, "lbDescription", QStringLiteral("Description"), {8, 202, 293, 16});
    memComment = CreateComponent<QPlainTextEdit>(this, "memComment", {8, 220, 293, 108});
    memComment->setLineWrapMode(QPlainTextEdit::NoWrap);
    memComment->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memComment->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    bbOK = CreateComponent<QPushButton>(this, "bbOK", {138, 338, 80, 26});
    bbOK->setText(QStringLiteral("OK"));
    bbOK->setDefault(true);
    bbOK->setAutoDefault(true);
    bbCancel = CreateComponent<QPushButton>(this, "bbCancel", {222, 338, 80, 26});
    bbCancel->setText(QStringLiteral("Cancel"));

    rbAtTime->setChecked(true);
    // toggled fires for the code's changes too, so the enabled states always follow the choices.
    connect(rbAtTime, &QRadioButton::toggled, this, &TfrmCreateToDo::rbAfterWinLoadClick);
    connect(chbRepeatEvery, &QCheckBox::toggled, this, &TfrmCreateToDo::chbRepeatEveryClick);
    connect(bbOK, &QPushButton::clicked, this, &TfrmCreateToDo::bbOKClick);
    connect(bbCancel, &QPushButton::clicked, this, &TfrmCreateToDo::bbCancelClick);
    rbAfterWinLoadClick();
    chbRepeatEveryClick();

    const QRect screen = Screen::geometry();
    move(screen.x() + (screen.width() - width()) / 2, screen.y() + (screen.height() - height()) / 2);
    Help::setContext(this, HelpContext);
    frmCreateToDo = this;
}

void TfrmCreateToDo::rbAfterWinLoadClick()
{
    const bool atTime = rbAtTime->isChecked();
    dtpToDoTime->setEnabled(atTime);
    dtpToDoDate->setEnabled(atTime);
    spAfterWinLoad->setEnabled(!atTime);
    cbAfterWinLoading->setEnabled(!atTime);
    lbAfterWinLoading->setEnabled(!atTime);
}

void TfrmCreateToDo::chbRepeatEveryClick()
{
    const bool repeat = chbRepeatEvery->isChecked();
    seRepeatEvery->setEnabled(repeat);
    cbRepeatEvery->setEnabled(repeat);
}

void TfrmCreateToDo::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmCreateToDo::FormShow()
{
    edTitle->setText(GetLangMessage(QStringLiteral("InputTitleOfAction")) + QStringLiteral("..."));
    edTitle->selectAll();
    edTitle->setFocus();
    const QDateTime now = SystemClock::now();
    dtpToDoTime->setTime(QTime(now.time().hour(), now.time().minute(), now.time().second()));
    dtpToDoDate->setDate(now.date());
    spAfterWinLoad->setValue(30);
    cbAfterWinLoading->setCurrentIndex(TaskRecord::Minutes);
    seRepeatEvery->setValue(30);
    cbRepeatEvery->setCurrentIndex(0);
}

void TfrmCreateToDo::showOpened(const QString& captionKey)
{
    show();
    raise();
    activateWindow();
    setWindowTitle(GetLangMessage(captionKey) + QStringLiteral("..."));
}

void TfrmCreateToDo::OpenNewTask()
{
    showOpened(QStringLiteral("NewToDo"));
    tag_ = 0;
    memComment->clear();
    seActiveTime->setValue(1);
    cbActiveTime->setCurrentIndex(1);
    rbAtTime->setChecked(true);
    chbRepeatEvery->setChecked(false);
}

void TfrmCreateToDo::OpenTask(qint32 tdid)
{
    showOpened(QStringLiteral("EditTask"));
    const std::optional<TaskRecord> task = LoadTask(DataModule1->connVO, tdid, shownTask());
    if (!task) {
        // The row went away meanwhile: what is left is a new task with empty fields.
        tag_ = 0;
        edTitle->clear();
        memComment->clear();
        return;
    }
    showTask(*task);
}

TaskRecord TfrmCreateToDo::shownTask() const
{
    TaskRecord task;
    task.tdid = tag_;
    task.title = edTitle->text();
    task.comment = memComment->toPlainText();
    task.start = rbAtTime->isChecked() ? TaskRecord::Start::AtExactTime : TaskRecord::Start::AfterSystemStart;
    task.date = dtpToDoDate->date();
    task.time = dtpToDoTime->time();
    task.afterStartCount = spAfterWinLoad->value();
    task.afterStartUnit = cbAfterWinLoading->currentIndex();
    task.repeat = chbRepeatEvery->isChecked();
    task.repeatCount = seRepeatEvery->value();
    task.repeatUnitIndex = cbRepeatEvery->currentIndex();
    task.activeCount = seActiveTime->value();
    task.activeUnitIndex = cbActiveTime->currentIndex();
    return task;
}

void TfrmCreateToDo::showTask(const TaskRecord& task)
{
    tag_ = task.tdid;
    edTitle->setText(task.title);
    memComment->setPlainText(task.comment);
    if (task.start == TaskRecord::Start::AtExactTime) {
        rbAtTime->setChecked(true);
        dtpToDoDate->setDate(task.date);
        dtpToDoTime->setTime(task.time);
    } else {
        rbAfterWinLoad->setChecked(true);
        spAfterWinLoad->setValue(task.afterStartCount);
        cbAfterWinLoading->setCurrentIndex(task.afterStartUnit);
    }
    chbRepeatEvery->setChecked(task.repeat);
    seRepeatEvery->setValue(task.repeatCount);
    cbRepeatEvery->setCurrentIndex(task.repeatUnitIndex);
    seActiveTime->setValue(task.activeCount);
    cbActiveTime->setCurrentIndex(task.activeUnitIndex);
}

void TfrmCreateToDo::bbOKClick()
{
    if (!dtpToDoTime->hasAcceptableInput())
        throw std::invalid_argument("'" + dtpToDoTime->text().toStdString() + "' is not a valid time");
    const TaskRecord task = shownTask();
    switch (ValidateTask(task, SystemClock::nowDays())) {
    case TaskProblem::EmptyTitle:
        Dialogs::instance().message(nullptr, WarningCaption, GetLangMessage(QStringLiteral("InputTaskTitle")),
                                    Dialogs::Icon::Warning, Dialogs::Buttons::Ok);
        return;
    case TaskProblem::TimeInPast:
        Dialogs::instance().message(nullptr, WarningCaption,
                                    GetLangMessage(QStringLiteral("TimeOfTaskIsLessThanNow")),
                                    Dialogs::Icon::Warning, Dialogs::Buttons::Ok);
        return;
    case TaskProblem::None:
        break;
    }
    SaveTask(DataModule1->connVO, task);
    DataModule1->UpdateNextShowDT();
    if (frmToDoList)
        frmToDoList->RefreshList();
    close();
}

void TfrmCreateToDo::bbCancelClick()
{
    close();
}

void TfrmCreateToDo::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        return bbCancelClick();
    QWidget::keyPressEvent(event);
}
