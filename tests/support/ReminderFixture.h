#pragma once

#include "data/uDataModule.h"
#include "reminders/uToDo.h"
#include "tests/support/ProgramFolderFixture.h"

#include <gtest/gtest.h>

#include <QDateTime>

#include <vector>

// A fresh program folder with a data module on it, rows written straight into ToDo, and the
// reminder windows the code under test opened. Windows left open are destroyed afterwards.
class ReminderFixture : public ::testing::Test {
protected:
    struct Row {
        qint64 mesType = 0;
        double firstDT = 0.0;
        double showDT = 0.0;
        qint32 periodInt = 0;
        qint32 periodType = 0;
        qint32 elapseInt = 0;
        qint32 elapseType = 0;
        QString title = QStringLiteral("Task");
    };
    struct Stored {
        double showDT;
        qint64 mesType;
    };

    ~ReminderFixture() override;

public:
    static double At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);
    static void SetNow(double dayNumber);

protected:
    qint32 Insert(const Row& row);
    Stored Read(qint32 tdid);
    bool Exists(qint32 tdid);

    // The open reminder windows in the order they were announced (lowest offset first).
    static std::vector<TfrmToDo*> Windows();
    static std::vector<double> WindowTimes();
    static void CloseWindows();

    ProgramFolderFixture folder;
    TDataModule1 dataModule;
};
