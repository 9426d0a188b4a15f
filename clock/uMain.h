#pragma once

#include "clock/ClockDrag.h"
#include "clock/ClockViewMode.h"
#include "clock/ClockViewSwitch.h"
#include "clock/DayOverviewHover.h"
#include "draw/uLarkspurUtils.h"

#include <QWidget>

#include <functional>
#include <memory>

class ClockWindowAdapter;
class QLabel;
class QMenu;
class TfrmSettings;
class QSystemTrayIcon;
class QTimer;
class TaskAnswerHandler;

// The main window: a small frameless clock on top of everything, or only a tray icon. Its
// one-second tick redraws the time and starts the reminder scan when something is due; its
// popup menu leads to every other window. Closing it ends the program.
class TfrmClock : public QWidget, public ClockSurface {
    Q_OBJECT
public:
    static constexpr int HelpContext = 1;

    explicit TfrmClock(QWidget* parent = nullptr);
    ~TfrmClock() override;

    // Creation failed in a way that ends the program (the skin could not be loaded); the
    // window has not been shown.
    bool TerminationRequested() const { return terminationRequested_; }

    // One tick: redraw the time, run the reminder scan when it is due.
    void tmrTimeTimer();

    void SwitchToTrayIcon() { viewSwitch_.toTrayIcon(); }
    void SwitchToFreeClock() { viewSwitch_.toFreeClock(); }
    void SwitchToAnalogClock() { viewSwitch_.toAnalogClock(); }
    void ShowTrayIcon(bool shown) { viewSwitch_.showTrayIcon(shown); }

    // The time text's font and colour, and the plate's colour.
    void SetClockFont(const QFont& font, TColor textColor);
    void SetClockColor(TColor color);
    TColor ClockColor() const { return color_; }

    void SetDayOverview(DayOverviewWindow* overview) { dayOverviewHover_.setOverview(overview); }

    // The session ends (log-out, SIGTERM): save what an exit saves.
    void QueryEndSession();

    quint8 ViewMode = vmSysTrayIcon;
    int VertSpace = 0;
    int HorisSpace = 0;

    QLabel* lbClock = nullptr;
    QLabel* imgAnalogClock = nullptr;
    QWidget* pbArrows = nullptr;
    QTimer* tmrTime = nullptr;
    QTimer* tmrDayInfoShow = nullptr;
    QSystemTrayIcon* spTrayIcon1 = nullptr;
    QMenu* pmClockMenu = nullptr;
    // Receives the reminder windows' answers.
    TaskAnswerHandler* taskAnswers = nullptr;

signals:
    // The window was closed: the program ends.
    void closed();
    // At exit and when the session ends: the view mode and the position are to be saved.
    void viewSettingsSaveRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void FormDestroy();
    void pbArrowsPaint(QPainter& painter);
    void tmrDayInfoShowTimer();
    void pmClockMenuPopup();
    void miHelpClick();
    void miExitClick();
    void createMenu();
    void createTrayIcon();
    void miSettingClick();
    void miToDoClick();
    void miViewToDoListClick();
    void updateFreeClock(const QTime& time);

    // ClockSurface
    quint8 viewMode() const override { return ViewMode; }
    void setViewMode(quint8 mode) override { ViewMode = mode; }
    void setClockVisible(bool visible) override;
    bool trayIconAvailable() const override;
    void setTrayIconVisible(bool visible) override;
    void tellNoTrayIcon() override;
    void loadAnalogPicture() override;
    void clearAnalogPicture() override;
    void setRoundShape(bool round) override;
    void resizeClock(const QSize& size) override;

    TColor color_ = RGBColor(155, 202, 15);
    std::unique_ptr<ClockWindowAdapter> settingsTarget_;
    std::unique_ptr<TfrmSettings> settings_;
    ClockViewSwitch viewSwitch_;
    DayOverviewHover dayOverviewHover_;
    ClockDrag drag_;
    bool created_ = false;
    bool visibleWhenCreated_ = false;
    bool terminationRequested_ = false;
};

// The program-wide clock window; set while one exists.
extern TfrmClock* frmClock;
