#pragma once

#include <QEvent>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

class QCloseEvent;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTimer;

// One announcement carried into a reminder window.
struct TTaskParams {
    qint32 TDID = 0;
    QString Title;
    QString Comment;
    // The due time shown (a holiday's own date); the base of a postponement.
    double TaskTime = 0.0;
};

// The reminder window: slides up at the bottom right of the screen, stays on top without
// taking the focus, and is dismissed only by OK, which posts the answer to the receiver.
class TfrmToDo : public QWidget {
    Q_OBJECT
public:
    // Creates, fills, places and shows one window; it lives until its answer has been handled.
    // offset lifts it above the windows opened earlier in the same scan.
    static void ShowReminder(const TTaskParams& params, const QString& caption, int offset);

    // The object that receives the posted WM_TASKANSWER events; none drops the answer.
    static void setAnswerReceiver(QObject* receiver);
    // Translates a new window under the language section "frmToDo".
    static void setTranslator(std::function<void(QWidget&)> translate);

    qint32 Tag = 0;
    double TaskTime = 0.0;
    int TargetTop = 0;

    QLabel* lbTitle;
    QLabel* lblTitle;
    QLabel* lblTaskTime;
    QLabel* lbTaskTime;
    QLabel* lbDescript;
    QPlainTextEdit* memDescript;
    QRadioButton* rbDone;
    QRadioButton* rbPostpone;
    QSpinBox* sePostpone;
    QComboBox* cbPostpone;
    QPushButton* btnOK;
    QTimer* tmrShow;

    void tmrShowTimer();
    void btnOKClick();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    TfrmToDo();
    void FormCreate();
    void rbPostponeToggled(bool postpone);
};

// WM_TASKANSWER: the answer of a reminder window, posted once its OK click has been handled.
inline constexpr QEvent::Type WM_TASKANSWER = static_cast<QEvent::Type>(QEvent::User + 80);

class TaskAnswerEvent : public QEvent {
public:
    TaskAnswerEvent(qint32 tdid, TfrmToDo* form) : QEvent(WM_TASKANSWER), TDID(tdid), Form(form) {}
    const qint32 TDID;
    // Null when the window has gone meanwhile.
    const QPointer<TfrmToDo> Form;
};
