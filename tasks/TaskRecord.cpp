#include "tasks/TaskRecord.h"

#include "draw/uLarkspurUtils.h"
#include "platform/DateTime.h"
#include "platform/Query.h"

#include <cmath>

namespace {

constexpr int MesTypeAtTime = 0;
constexpr int MesTypeAfterStart = 3;

}  // namespace

AfterStartOffset OffsetFromDuration(double firstDT)
{
    // Stored hours come back a hair off the whole number (2/24*24); read them at a millionth
    // of an hour so they reopen as hours.
    const double hours = std::round(firstDT * 24 * 1e6) / 1e6;
    if (hours >= 0.99 && hours - std::floor(hours) < 0.01)
        return {static_cast<int>(std::lround(hours)), TaskRecord::Hours};
    return {static_cast<int>(std::lround(firstDT * 1440)), TaskRecord::Minutes};
}

double DurationFromOffset(int count, int unit)
{
    const double hours = count / 24.0;
    return unit == TaskRecord::Minutes ? hours / 60.0 : hours;
}

TaskProblem ValidateTask(const TaskRecord& task, double now)
{
    if (task.title.trimmed().isEmpty())
        return TaskProblem::EmptyTitle;
    if (task.tdid == 0 && task.start == TaskRecord::Start::AtExactTime &&
        DateTime::encode(task.date, task.time) < now)
        return TaskProblem::TimeInPast;
    return TaskProblem::None;
}

std::optional<TaskRecord> LoadTask(Database& db, qint32 tdid, const TaskRecord& shown)
{
    Query q(db);
    q.add(QStringLiteral("SELECT *"));
    q.add(QStringLiteral("FROM ToDo"));
    q.add(QStringLiteral("WHERE TDID = :TDID"));
    q.param(QStringLiteral("TDID")).setType(ParamType::Integer).setValue(tdid);
    q.open();
    if (q.eof())
        return std::nullopt;
    TaskRecord task = shown;
    task.tdid = static_cast<qint32>(q.field(QStringLiteral("TDID")).asInteger());
    task.title = q.field(QStringLiteral("Title")).asString();
    task.comment = q.field(QStringLiteral("Comment")).asString();
    const int mesType = static_cast<int>(q.field(QStringLiteral("MesType")).asInteger());
    if (mesType == MesTypeAfterStart || mesType == MesTypeAfterStart + 10) {
        task.start = TaskRecord::Start::AfterSystemStart;
        const AfterStartOffset offset = OffsetFromDuration(q.field(QStringLiteral("FirstDT")).asDateTime());
        task.afterStartCount = offset.count;
        task.afterStartUnit = offset.unit;
    } else {
        // The next due time, not the anchor.
        task.start = TaskRecord::Start::AtExactTime;
        const QDateTime due = DateTime::toDateTime(q.field(QStringLiteral("ShowDT")).asDateTime());
        task.date = due.date();
        task.time = QTime(due.time().hour(), due.time().minute(), due.time().second());
    }
    const qint64 periodInt = q.field(QStringLiteral("PeriodInt")).asInteger();
    task.repeat = periodInt > 0;
    if (task.repeat) {
        task.repeatCount = static_cast<int>(periodInt);
        task.repeatUnitIndex = static_cast<int>(q.field(QStringLiteral("PeriodType")).asInteger()) - 1;
    }
    task.activeCount = static_cast<int>(q.field(QStringLiteral("ElapseInt")).asInteger());
    task.activeUnitIndex = static_cast<int>(q.field(QStringLiteral("ElapseType")).asInteger()) - 1;
    return task;
}

void SaveTask(Database& db, const TaskRecord& task)
{
    Query q(db);
    if (task.tdid == 0) {
        q.add(QStringLiteral("INSERT INTO ToDo (FirstDT, ShowDT, MesType, Title, Comment, PeriodInt, PeriodType, "
                             "ElapseInt, ElapseType)"));
        q.add(QStringLiteral("VALUES (:FirstDT, :ShowDT, :MesType, :Title, :Comment, :PeriodInt, :PeriodType, "
                             ":ElapseInt, :ElapseType)"));
    } else {
        q.add(QStringLiteral("UPDATE ToDo"));
        q.add(QStringLiteral("SET FirstDT = :FirstDT, ShowDT = :ShowDT, MesType = :MesType, Title = :Title, "
                             "Comment = :Comment, PeriodInt = :PeriodInt, PeriodType = :PeriodType, "
                             "ElapseInt = :ElapseInt, ElapseType = :ElapseType"));
        q.add(QStringLiteral("WHERE TDID = :TDID"));
        q.param(QStringLiteral("TDID")).setType(ParamType::Integer).setValue(task.tdid);
    }
    double firstDT = 0;
    double showDT = 0;
    int mesType = MesTypeAtTime;
    if (task.start == TaskRecord::Start::AtExactTime) {
        firstDT = DateTime::encode(task.date, task.time);
        showDT = firstDT;
    } else {
        mesType = MesTypeAfterStart;
        firstDT = DurationFromOffset(task.afterStartCount, task.afterStartUnit);
        showDT = firstDT + SystemStartTime();
    }
    q.param(QStringLiteral("FirstDT")).setType(ParamType::DateTime).setValue(firstDT);
    q.param(QStringLiteral("ShowDT")).setType(ParamType::DateTime).setValue(showDT);
    q.param(QStringLiteral("MesType")).setType(ParamType::Integer).setValue(mesType);
    q.param(QStringLiteral("Title")).setType(ParamType::Text).setValue(task.title);
    q.param(QStringLiteral("Comment")).setType(ParamType::Text).setValue(task.comment);
    q.param(QStringLiteral("PeriodInt")).setType(ParamType::Integer).setValue(task.repeat ? task.repeatCount : 0);
    q.param(QStringLiteral("PeriodType")).setType(ParamType::Integer).setValue(task.repeat ? task.repeatUnitIndex + 1 : 0);
    q.param(QStringLiteral("ElapseInt")).setType(ParamType::Integer).setValue(task.activeCount);
    q.param(QStringLiteral("ElapseType")).setType(ParamType::Integer).setValue(task.activeUnitIndex + 1);
    q.execSQL();
}
