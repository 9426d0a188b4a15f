#include "reminders/TaskAnswerHandler.h"

#include "data/uDataModule.h"
#include "reminders/uToDo.h"

#include <QComboBox>
#include <QRadioButton>
#include <QSpinBox>

TaskAnswerHandler::TaskAnswerHandler(TDataModule1& dataModule, QObject* parent)
    : QObject(parent), dataModule_(dataModule)
{
    TfrmToDo::setAnswerReceiver(this);
}

bool TaskAnswerHandler::event(QEvent* event)
{
    if (event->type() != WM_TASKANSWER)
        return QObject::event(event);
    if (TfrmToDo* form = static_cast<TaskAnswerEvent*>(event)->Form)
        HandleTaskAnswer(*form);
    return true;
}

// A failing postponement leaves the window open, so the answer can be given again.
void TaskAnswerHandler::HandleTaskAnswer(TfrmToDo& form)
{
    if (form.rbPostpone->isChecked()) {
        dataModule_.ApplyTaskAnswer(form.Tag, static_cast<quint8>(form.sePostpone->value()),
                                    static_cast<quint8>(form.cbPostpone->currentIndex() + 1), form.TaskTime);
    }
    form.close();
}
