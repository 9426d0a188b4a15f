#include "clock/uMain.h"

#include "clock/ClockMenu.h"
#include "clock/ClockPainting.h"
#include "clock/ClockTimeText.h"
#include "clock/ClockWindowAdapter.h"
#include "clock/FreeClockGeometry.h"
#include "data/uDataModule.h"
#include "reminders/TaskAnswerHandler.h"
#include "platform/Dialogs.h"
#include "platform/ErrorReport.h"
#include "platform/Help.h"
#include "platform/ProgramFolder.h"
#include "platform/Screen.h"
#include "platform/Skin.h"
#include "platform/SystemClock.h"
#include "platform/WindowState.h"
#include "settings/uSettings.h"
#include "tasks/uNewToDo.h"
#include "tasks/uToDoList.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWindow>

#include <functional>

TfrmClock* frmClock = nullptr;

namespace {

const QString AnalogPictureFile = QStringLiteral("Images/Analog_clock.jpg");
const QString SkinFile = QStringLiteral("Skins/Larkspur.skn");
const QString LoadErrorPattern = QStringLiteral(
    "Erron on load application. Cannot find %1 file\r\nTry to run application one time more or reinstall it.");

// A paint box: a transparent layer whose painting is left to its owner.
class PaintBox : public QWidget {
public:
    PaintBox(QWidget* parent, std::function<void(QPainter&)> paint) : QWidget(parent), paint_(std::move(paint))
    {
        setAttribute(Qt::WA_TranslucentBackground);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        paint_(painter);
    }

private:
    std::function<void(QPainter&)> paint_;
};

// The layers only show; every mouse event goes to the clock window itself.
void makeLayer(QWidget* layer)
{
    layer->setAttribute(Qt::WA_TransparentForMouseEvents);
}

}  // namespace

TfrmClock::TfrmClock(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      tmrTime(new QTimer(this)),
      tmrDayInfoShow(new QTimer(this)),
      viewSwitch_(*this),
      dayOverviewHover_(*tmrDayInfoShow)
{
    setObjectName(QStringLiteral("frmClock"));
    setWindowTitle(QStringLiteral("Larkspur Organizer"));
    resize(131, 97);
    move(624, 351);

    lbClock = new QLabel(QStringLiteral("15:15:15"), this);
    lbClock->setObjectName(QStringLiteral("lbClock"));
    lbClock->setAlignment(Qt::AlignCenter);
    makeLayer(lbClock);
    imgAnalogClock = new QLabel(this);
    imgAnalogClock->setObjectName(QStringLiteral("imgAnalogClock"));
    imgAnalogClock->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    makeLayer(imgAnalogClock);
    pbArrows = new PaintBox(this, [this](QPainter& painter) { pbArrowsPaint(painter); });
    pbArrows->setObjectName(QStringLiteral("pbArrows"));
    makeLayer(pbArrows);

    tmrTime->setObjectName(QStringLiteral("tmrTime"));
    tmrTime->setInterval(1000);
    connect(tmrTime, &QTimer::timeout, this, &TfrmClock::tmrTimeTimer);
    tmrTime->start();
    tmrDayInfoShow->setObjectName(QStringLiteral("tmrDayInfoShow"));
    connect(tmrDayInfoShow, &QTimer::timeout, this, &TfrmClock::tmrDayInfoShowTimer);

    createMenu();
    createTrayIcon();
    if (DataModule1)
        taskAnswers = new TaskAnswerHandler(*DataModule1, this);
    frmClock = this;
    FormCreate();
}

TfrmClock::~TfrmClock()
{
    FormDestroy();
    if (frmClock == this)
        frmClock = nullptr;
}

void TfrmClock::createMenu()
{
    pmClockMenu = CreateClockMenu(this);
    connect(pmClockMenu, &QMenu::aboutToShow, this, &TfrmClock::pmClockMenuPopup);
    connect(pmClockMenu->findChild<QAction*>(QStringLiteral("miHelp")), &QAction::triggered, this,
            &TfrmClock::miHelpClick);
    connect(pmClockMenu->findChild<QAction*>(QStringLiteral("miExit")), &QAction::triggered, this,
            &TfrmClock::miExitClick);
    connect(pmClockMenu->findChild<QAction*>(QStringLiteral("miSetting")), &QAction::triggered, this,
            &TfrmClock::miSettingClick);
    connect(pmClockMenu->findChild<QAction*>(QStringLiteral("miToDo")), &QAction::triggered, this,
            &TfrmClock::miToDoClick);
    connect(pmClockMenu->findChild<QAction*>(QStringLiteral("miViewToDoList")), &QAction::triggered, this,
            &TfrmClock::miViewToDoListClick);
}

void TfrmClock::createTrayIcon()
{
    spTrayIcon1 = new QSystemTrayIcon(this);
    spTrayIcon1->setObjectName(QStringLiteral("spTrayIcon1"));
    spTrayIcon1->setIcon(QIcon(QStringLiteral(":/icons/larkspur.png")));
    spTrayIcon1->setToolTip(windowTitle());
    spTrayIcon1->setContextMenu(pmClockMenu);
    connect(spTrayIcon1, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger)
            dayOverviewHover_.trayIconClicked();
    });
}

void TfrmClock::FormCreate()
{
    settingsTarget_ = std::make_unique<ClockWindowAdapter>(*this);
    settings_ = std::make_unique<TfrmSettings>(*settingsTarget_);
    settings_->LoadSettings(true);
    tmrTimeTimer();
    Help::setContext(this, HelpContext);
    if (!Skin::load(ProgramFolder::filePath(SkinFile))) {
        Dialogs::instance().message(this, QStringLiteral("Larkspur Organizer"), LoadErrorPattern.arg(QStringLiteral("skin")),
                                    Dialogs::Icon::Warning, Dialogs::Buttons::Ok);
        terminationRequested_ = true;
        return;
    }
    WindowState::keepOffTaskbarAndPager(this);
    created_ = true;
    setVisible(visibleWhenCreated_);
}

void TfrmClock::FormDestroy()
{
    settings_->SaveSettings(true);
    emit viewSettingsSaveRequested();
}

void TfrmClock::QueryEndSession()
{
    settings_->SaveSettings(true);
    emit viewSettingsSaveRequested();
}

void TfrmClock::SetClockFont(const QFont& font, TColor textColor)
{
    setFont(font);
    lbClock->setFont(font);
    QPalette palette = lbClock->palette();
    palette.setColor(QPalette::WindowText, ColorToQColor(textColor));
    lbClock->setPalette(palette);
}

void TfrmClock::SetClockColor(TColor color)
{
    color_ = color;
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, ColorToQColor(color));
    setPalette(palette);
    update();
}

void TfrmClock::tmrTimeTimer()
{
    const QDateTime now = SystemClock::now();
    if (ViewMode == vmFreeClock)
        updateFreeClock(now.time());
    else if (ViewMode == vmAnalogClock)
        pbArrows->repaint();
    if (DataModule1)
        DataModule1->RunTimerScan([this](bool enabled) { enabled ? tmrTime->start() : tmrTime->stop(); });
}

void TfrmClock::updateFreeClock(const QTime& time)
{
    const QString text = ClockTimeText(time);
    lbClock->setText(text);
    const QFontMetrics metrics(font());
    const QSize textSize(metrics.horizontalAdvance(text), metrics.height());
    if (const std::optional<QRect> geometry =
            FreeClockGeometry(QRect(pos(), size()), textSize, HorisSpace, VertSpace, Screen::geometry()))
        setGeometry(*geometry);
}

void TfrmClock::paintEvent(QPaintEvent*)
{
    if (ViewMode != vmFreeClock)
        return;
    QPainter painter(this);
    PaintFreeClockPlate(painter, rect(), ColorToQColor(color_));
}

void TfrmClock::pbArrowsPaint(QPainter& painter)
{
    if (ViewMode != vmAnalogClock)
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    PaintClockHands(painter, size(), SystemClock::now().time());
}

void TfrmClock::resizeEvent(QResizeEvent*)
{
    for (QWidget* layer : {static_cast<QWidget*>(lbClock), static_cast<QWidget*>(imgAnalogClock), pbArrows})
        layer->setGeometry(rect());
}

void TfrmClock::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    if (!WindowState::programPlacesWindows() && windowHandle() && windowHandle()->startSystemMove())
        return;
    drag_.press(event->globalPosition().toPoint(), pos());
}

void TfrmClock::mouseMoveEvent(QMouseEvent* event)
{
    if (const std::optional<QPoint> target = drag_.move(event->globalPosition().toPoint()))
        move(*target);
}

void TfrmClock::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (const std::optional<QPoint> target = drag_.release(event->globalPosition().toPoint(), size(), Screen::geometry()))
        move(*target);
}

void TfrmClock::contextMenuEvent(QContextMenuEvent* event)
{
    // Right-aligned to the click point.
    const QPoint at = event->globalPos() - QPoint(pmClockMenu->sizeHint().width(), 0);
    pmClockMenu->popup(at);
}

void TfrmClock::enterEvent(QEnterEvent*)
{
    activateWindow();
    dayOverviewHover_.mouseEntered();
}

void TfrmClock::leaveEvent(QEvent*)
{
    dayOverviewHover_.mouseLeft();
}

void TfrmClock::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit closed();
}

void TfrmClock::tmrDayInfoShowTimer()
{
    dayOverviewHover_.showTimerFired(QGuiApplication::mouseButtons().testFlag(Qt::LeftButton));
}

void TfrmClock::pmClockMenuPopup()
{
    dayOverviewHover_.menuOpening();
}

void TfrmClock::miHelpClick()
{
    Help::show(this);
}

void TfrmClock::miSettingClick()
{
    settings_->PrepareToOpen();
    settings_->exec();
}

// The task windows are created after the clock, so they are looked up when asked for.
void TfrmClock::miToDoClick()
{
    if (frmCreateToDo)
        frmCreateToDo->OpenNewTask();
}

void TfrmClock::miViewToDoListClick()
{
    if (!frmToDoList)
        return;
    frmToDoList->show();
    frmToDoList->raise();
    frmToDoList->activateWindow();
}

void TfrmClock::miExitClick()
{
    close();
}

void TfrmClock::setClockVisible(bool visible)
{
    if (!created_) {
        visibleWhenCreated_ = visible;
        return;
    }
    setVisible(visible);
}

bool TfrmClock::trayIconAvailable() const
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void TfrmClock::setTrayIconVisible(bool visible)
{
    spTrayIcon1->setVisible(visible);
}

void TfrmClock::tellNoTrayIcon()
{
    Dialogs::instance().message(this, QStringLiteral("Larkspur Organizer"),
                                QStringLiteral("This desktop has no system tray, so the clock stays on the screen."),
                                Dialogs::Icon::Information, Dialogs::Buttons::Ok);
}

void TfrmClock::loadAnalogPicture()
{
    // The face covers the time label; without a face the hands stand on the plain colour.
    lbClock->hide();
    const QString path = ProgramFolder::filePath(AnalogPictureFile);
    QPixmap face;
    if (!face.load(path)) {
        imgAnalogClock->clear();
        ErrorReport::show(QStringLiteral("Cannot open file \"%1\".").arg(QDir::toNativeSeparators(path)));
        return;
    }
    imgAnalogClock->setPixmap(face);
}

void TfrmClock::clearAnalogPicture()
{
    imgAnalogClock->clear();
    lbClock->show();
}

void TfrmClock::setRoundShape(bool round)
{
    if (round)
        setMask(QRegion(0, 0, 97, 97, QRegion::Ellipse));
    else
        clearMask();
    update();
}

void TfrmClock::resizeClock(const QSize& size)
{
    resize(size);
}
