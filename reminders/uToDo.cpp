#include "reminders/uToDo.h"

#include "lang/uLanguages.h"
#include "platform/DateTime.h"
#include "platform/Components.h"
#include "platform/LocaleFormats.h"
#include "platform/Screen.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>

namespace {

const QString FormName = QStringLiteral("frmToDo");
constexpr int ClientWidth = 239;
constexpr int ClientHeight = 299;
constexpr int SlideStep = 14;
constexpr int SlideIntervalMs = 40;
constexpr int BottomMargin = 25;
constexpr int RightMargin = 3;
// The skin shows reminder windows slightly transparent.
constexpr double Opacity = 190 / 255.0;

QPointer<QObject>& AnswerReceiver()
{
    static QPointer<QObject> receiver;
    return receiver;
}

// Later simultaneous windows are named frmToDo_1, frmToDo_2, ... like the component library
// names a second instance of a form.
QString FreeFormName(const TfrmToDo* form)
{
    QStringList taken;
    for (const QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget != form && qobject_cast<const TfrmToDo*>(widget))
            taken.append(widget->objectName());
    }
    QString name = FormName;
    for (int number = 1; taken.contains(name); ++number)
        name = FormName + QLatin1Char('_') + QString::number(number);
    return name;
}


QLabel* Heading(QWidget* form, const char* name, const QString& text, int top)
{
    QLabel* label = CreateComponent<QLabel>(form, name, QRect(8, top, 223, 16));
    label->setText(text);
    label->setStyleSheet(QStringLiteral("color: rgb(0, 111, 0); font-weight: bold;"));
    return label;
}

}  // namespace

TfrmToDo::TfrmToDo() : QWidget(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(FormName);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(ClientWidth, ClientHeight);
    setWindowOpacity(Opacity);

    lbTitle = Heading(this, "lbTitle", QStringLiteral("Title"), 8);
    lblTitle = CreateComponent<QLabel>(this, "lblTitle", QRect(8, 26, 223, 18));
    lblTaskTime = Heading(this, "lblTaskTime", QStringLiteral("Task time"), 50);
    lbTaskTime = CreateComponent<QLabel>(this, "lbTaskTime", QRect(8, 68, 223, 18));
    lbDescript = Heading(this, "lbDescript", QStringLiteral("Descript"), 92);
    memDescript = CreateComponent<QPlainTextEdit>(this, "memDescript", QRect(8, 110, 223, 100));
    memDescript->setReadOnly(true);
    memDescript->setFrameShape(QFrame::NoFrame);
    memDescript->setStyleSheet(QStringLiteral("background-color: rgb(232, 232, 232);"));

    rbDone = CreateComponent<QRadioButton>(this, "rbDone", QRect(8, 218, 223, 20));
    rbDone->setText(QStringLiteral("Done"));
    rbDone->setChecked(true);
    rbPostpone = CreateComponent<QRadioButton>(this, "rbPostpone", QRect(8, 242, 92, 22));
    rbPostpone->setText(QStringLiteral("Postpone at"));
    // The answer carries the count in one byte.
    sePostpone = CreateComponent<QSpinBox>(this, "sePostpone", QRect(100, 242, 52, 22));
    sePostpone->setRange(0, 255);
    sePostpone->setValue(10);
    sePostpone->setEnabled(false);
    cbPostpone = CreateComponent<QComboBox>(this, "cbPostpone", QRect(156, 242, 75, 22));
    cbPostpone->addItems({QStringLiteral("Minutes"), QStringLiteral("Hours"), QStringLiteral("Days"),
                          QStringLiteral("Weeks"), QStringLiteral("Months"), QStringLiteral("Years")});
    cbPostpone->setEnabled(false);
    btnOK = CreateComponent<QPushButton>(this, "btnOK", QRect(82, 268, 75, 25));
    btnOK->setText(QStringLiteral("OK"));

    tmrShow = new QTimer(this);
    tmrShow->setObjectName(QStringLiteral("tmrShow"));
    tmrShow->setInterval(SlideIntervalMs);

    connect(rbPostpone, &QRadioButton::toggled, this, &TfrmToDo::rbPostponeToggled);
    connect(btnOK, &QPushButton::clicked, this, &TfrmToDo::btnOKClick);
    connect(tmrShow, &QTimer::timeout, this, &TfrmToDo::tmrShowTimer);
    FormCreate();
}

// Translated while still named frmToDo: every reminder window shares that language section.
void TfrmToDo::FormCreate()
{
    TranslateForm(this);
    cbPostpone->setCurrentIndex(0);
}

void TfrmToDo::ShowReminder(const TTaskParams& params, const QString& caption, int offset)
{
    const TTaskParams task = params;
    auto* form = new TfrmToDo;
    form->setObjectName(FreeFormName(form));
    form->setWindowTitle(caption);
    form->lblTitle->setText(task.Title);
    form->TaskTime = task.TaskTime;
    form->lbTaskTime->setText(LocaleFormats::longDateLongTime(task.TaskTime));
    form->memDescript->setPlainText(task.Comment);
    form->Tag = task.TDID;

    const QRect screen = Screen::geometry();
    const QSize size = form->frameGeometry().size();
    form->TargetTop = screen.y() + screen.height() - size.height() - offset - BottomMargin;
    form->move(screen.x() + screen.width() - size.width() - RightMargin, screen.y() + screen.height());
    form->show();
    form->tmrShow->start();
}

void TfrmToDo::setAnswerReceiver(QObject* receiver)
{
    AnswerReceiver() = receiver;
}

void TfrmToDo::tmrShowTimer()
{
    int top = y() - SlideStep;
    if (top < TargetTop) {
        top = TargetTop;
        tmrShow->stop();
    }
    move(x(), top);
}

void TfrmToDo::btnOKClick()
{
    if (QObject* receiver = AnswerReceiver())
        QCoreApplication::postEvent(receiver, new TaskAnswerEvent(Tag, this));
}

void TfrmToDo::rbPostponeToggled(bool postpone)
{
    sePostpone->setEnabled(postpone);
    cbPostpone->setEnabled(postpone);
}

// OK is the only way out; the answer's handler destroys the window.
void TfrmToDo::closeEvent(QCloseEvent* event)
{
    event->ignore();
}
