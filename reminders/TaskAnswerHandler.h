#pragma once

#include <QObject>

class TDataModule1;
class TfrmToDo;

// Receives the answers of the reminder windows (WM_TASKANSWER): a postponement goes to the
// data module, then the window is closed and destroyed. It registers itself as the windows'
// receiver (until another one does) for as long as it lives; the clock window owns one.
class TaskAnswerHandler : public QObject {
    Q_OBJECT
public:
    explicit TaskAnswerHandler(TDataModule1& dataModule, QObject* parent = nullptr);

    bool event(QEvent* event) override;

private:
    void HandleTaskAnswer(TfrmToDo& form);

    TDataModule1& dataModule_;
};
