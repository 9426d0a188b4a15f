#pragma once

#include <QDate>
#include <QString>
#include <QTime>

#include <optional>

class Database;

// What the task editor shows and saves: one task row in the editor's terms.
struct TaskRecord {
    enum class Start { AtExactTime, AfterSystemStart };
    // Index in the after-start unit list.
    enum AfterStartUnit { Minutes = 0, Hours = 1 };

    qint32 tdid = 0;  // 0: a new task
    QString title;
    QString comment;
    Start start = Start::AtExactTime;
    QDate date;
    QTime time;
    int afterStartCount = 30;
    int afterStartUnit = Minutes;
    bool repeat = false;
    int repeatCount = 30;
    int repeatUnitIndex = 0;  // period-type code - 1
    int activeCount = 1;
    int activeUnitIndex = 1;  // period-type code - 1
};

// An after-start offset as the editor shows it, from the stored duration: whole hours show as
// hours, anything else as minutes.
struct AfterStartOffset {
    int count;
    int unit;
};
AfterStartOffset OffsetFromDuration(double firstDT);
double DurationFromOffset(int count, int unit);

enum class TaskProblem { None, EmptyTitle, TimeInPast };
// Only a new task at an exact time is checked against now.
TaskProblem ValidateTask(const TaskRecord& task, double now);

// The row of that key as the editor fills itself from it; nothing when there is none.
// Repeat and after-start fields the row does not use keep the values of `shown`.
std::optional<TaskRecord> LoadTask(Database& db, qint32 tdid, const TaskRecord& shown);
// Inserts a new task or updates the edited one; an edited task waits again.
void SaveTask(Database& db, const TaskRecord& task);
