#pragma once

#include "tasks/TaskRecord.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTimeEdit;

// The task editor: one long-lived, non-modal window for a new task or an existing one.
class TfrmCreateToDo : public QWidget {
    Q_OBJECT
public:
    explicit TfrmCreateToDo(QWidget* parent = nullptr);

    // The key of the row being edited, 0 for a new task.
    qint32 tag() const { return tag_; }

    void OpenNewTask();
    void OpenTask(qint32 tdid);

    // The controls, named as the language files address them.
    QLabel* lbTitle;
    QLineEdit* edTitle;
    QRadioButton* rbAtTime;
    QTimeEdit* dtpToDoTime;
    QDateEdit* dtpToDoDate;
    QRadioButton* rbAfterWinLoad;
    QSpinBox* spAfterWinLoad;
    QComboBox* cbAfterWinLoading;
    QLabel* lbAfterWinLoading;
    QCheckBox* chbRepeatEvery;
    QSpinBox* seRepeatEvery;
    QComboBox* cbRepeatEvery;
    QLabel* lbIfMess;
    QLabel* lbDontShow;
    QSpinBox* seActiveTime;
    QComboBox* cbActiveTime;
    QLabel* lbDescription;
    QPlainTextEdit* memComment;
    QPushButton* bbOK;
    QPushButton* bbCancel;

    void bbOKClick();
    void bbCancelClick();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormShow();
    void rbAfterWinLoadClick();
    void chbRepeatEveryClick();
    void showOpened(const QString& captionKey);
    TaskRecord shownTask() const;
    void showTask(const TaskRecord& task);

    qint32 tag_ = 0;
};

// The program-wide instance; set while one exists.
extern TfrmCreateToDo* frmCreateToDo;
