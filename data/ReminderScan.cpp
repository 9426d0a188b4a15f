#include "data/uDataModule.h"

#include "draw/uLarkspurUtils.h"
#include "platform/DateTime.h"
#include "platform/ErrorReport.h"
#include "platform/SystemClock.h"
#include "reminders/uToDo.h"

#include <QCoreApplication>

#include <optional>
#include <vector>

namespace {

constexpr int CascadeStep = 20;
constexpr double RetryDelay = DateTime::OneMinute;

enum MesTypeCode : qint64 {
    mtTask = 0,
    mtHoliday = 2,
    mtAfterStart = 3,
    mtCameDue = 10,  // added to a one-time task's code when it comes due
};

// Marks a scan as running and, for a timer-driven one, holds the clock timer off; both are
// put back however the scan ends.
class ScanInProgress {
public:
    ScanInProgress(bool& running, std::function<void(bool)> setClockTimerEnabled)
        : running_(running), setClockTimerEnabled_(std::move(setClockTimerEnabled))
    {
        running_ = true;
        if (setClockTimerEnabled_)
            setClockTimerEnabled_(false);
    }
    ~ScanInProgress()
    {
        running_ = false;
        if (setClockTimerEnabled_)
            setClockTimerEnabled_(true);
    }
    ScanInProgress(const ScanInProgress&) = delete;
    ScanInProgress& operator=(const ScanInProgress&) = delete;

private:
    bool& running_;
    const std::function<void(bool)> setClockTimerEnabled_;
};

struct OnceRow {
    TTaskParams task;
    qint64 mesType;
    qint32 elapseInt;
    quint8 elapseType;
};

struct RegularRow {
    TTaskParams task;
    qint64 mesType;
    double firstDT;
    double showDT;
    qint32 periodInt;
    quint8 periodType;
    qint32 elapseInt;
    quint8 elapseType;
};

TTaskParams TaskOf(const Query& query)
{
    return {static_cast<qint32>(query.field(QStringLiteral("TDID")).asInteger()),
            query.field(QStringLiteral("Title")).asString(), query.field(QStringLiteral("Comment")).asString(),
            query.field(QStringLiteral("ShowDT")).asDateTime()};
}

qint32 IntegerOf(const Query& query, const char* name)
{
    return static_cast<qint32>(query.field(QString::fromLatin1(name)).asInteger());
}

// Unit codes outside a byte are no unit at all.
quint8 UnitOf(const Query& query, const char* name)
{
    const qint64 code = query.field(QString::fromLatin1(name)).asInteger();
    return code >= 0 && code <= 255 ? static_cast<quint8>(code) : 0;
}

// The rows are read before any is written, so the writes (and the answers processed between
// announcements) never meet an open cursor on the same table.
template <typename Row>
std::vector<Row> ReadRows(Query& query, Row (*rowOf)(const Query&))
{
    std::vector<Row> rows;
    query.open();
    for (; !query.eof(); query.next())
        rows.push_back(rowOf(query));
    query.close();
    return rows;
}

OnceRow OnceRowOf(const Query& query)
{
    return {TaskOf(query), query.field(QStringLiteral("MesType")).asInteger(), IntegerOf(query, "ElapseInt"),
            UnitOf(query, "ElapseType")};
}

RegularRow RegularRowOf(const Query& query)
{
    return {TaskOf(query),
            query.field(QStringLiteral("MesType")).asInteger(),
            query.field(QStringLiteral("FirstDT")).asDateTime(),
            query.field(QStringLiteral("ShowDT")).asDateTime(),
            IntegerOf(query, "PeriodInt"),
            UnitOf(query, "PeriodType"),
            IntegerOf(query, "ElapseInt"),
            UnitOf(query, "ElapseType")};
}

void WriteRow(Database& connection, qint32 tdid, std::optional<double> showDT, std::optional<qint64> mesType)
{
    Query query(connection);
    query.add(QStringLiteral("UPDATE ToDo"));
    if (showDT && mesType)
        query.add(QStringLiteral("SET ShowDT = :ShowDT, MesType = :MesType"));
    else if (showDT)
        query.add(QStringLiteral("SET ShowDT = :ShowDT"));
    else
        query.add(QStringLiteral("SET MesType = :MesType"));
    query.add(QStringLiteral("WHERE TDID = :TDID"));
    if (showDT)
        query.param(QStringLiteral("ShowDT")).setType(ParamType::DateTime).setValue(*showDT);
    if (mesType)
        query.param(QStringLiteral("MesType")).setType(ParamType::Integer).setValue(*mesType);
    query.param(QStringLiteral("TDID")).setType(ParamType::Integer).setValue(tdid);
    query.execSQL();
}

// Where a row's repeat series starts.
double AnchorOf(const RegularRow& row)
{
    switch (row.mesType) {
    case mtTask:
        return row.firstDT;
    case mtHoliday:
        return IncPeriod(ptDays, -row.elapseInt, row.firstDT);  // the announcement day
    default:
        return row.showDT;
    }
}

// One walk of a repeating row: announces due times whose active time contains now, each
// once, and finds the first element of the series after now.
class SeriesWalk {
public:
    SeriesWalk(const RegularRow& row, double now, quint8& index, const QString& caption)
        : row_(row), now_(now), index_(index), caption_(caption)
    {
    }

    void Announce(double dueTime, bool first)
    {
        if (now_ < dueTime || now_ >= IncPeriod(row_.elapseType, row_.elapseInt, dueTime))
            return;
        // Compared on the millisecond: the series is walked on whole milliseconds, while a
        // stored time written by another program may lie a hair off it.
        if (!first && lastAnnounced_ &&
            DateTime::roundedToMillisecond(dueTime) == DateTime::roundedToMillisecond(*lastAnnounced_))
            return;
        TTaskParams task = row_.task;
        task.TaskTime = row_.mesType == mtHoliday ? row_.firstDT : dueTime;
        TfrmToDo::ShowReminder(task, caption_, index_ * CascadeStep);
        // New windows start sliding and earlier answers are handled while the scan goes on.
        QCoreApplication::processEvents();
        ++index_;
        if (first)
            lastAnnounced_ = dueTime;
    }

    // The next due time after now. A unit that does not move the series forward ends it:
    // such a row has no next time.
    double NextAfterNow(bool announceEach)
    {
        double dueTime = AnchorOf(row_);
        for (;;) {
            if (announceEach)
                Announce(dueTime, false);
            if (now_ < dueTime)
                return dueTime;
            const double next = IncPeriod(row_.periodType, row_.periodInt, dueTime);
            if (!(next > dueTime))
                return NoNextShowDT;
            dueTime = next;
        }
    }

private:
    const RegularRow& row_;
    const double now_;
    quint8& index_;
    const QString& caption_;
    std::optional<double> lastAnnounced_;
};

}  // namespace

void TDataModule1::PrepareAfterLoadTasks()
{
    ScanInProgress scan(scanning_, {});
    Query query(connVO);
    query.add(QStringLiteral("UPDATE ToDo"));
    query.add(QStringLiteral("SET ShowDT = FirstDT + :LoadingTime, MesType = 3"));
    query.add(QStringLiteral("WHERE MesType IN (3, 13)"));
    query.param(QStringLiteral("LoadingTime")).setType(ParamType::DateTime).setValue(SystemStartTime());
    query.execSQL();
    query.close();

    quint8 index = 0;
    CheckOnceTasks(index);
    CheckRegularTasks(index, true);
    UpdateNextShowDT();
}

void TDataModule1::CheckOnceTasks(quint8& index)
{
    Query query(connVO);
    query.add(QStringLiteral("SELECT TDID, MesType, FirstDT, ShowDT, Title, Comment, ElapseInt, ElapseType"));
    query.add(QStringLiteral("FROM ToDo"));
    query.add(QStringLiteral("WHERE (ShowDT <= Now()) AND (MesType In (0, 3)) AND (PeriodInt = 0)"));
    const std::vector<OnceRow> rows = ReadRows(query, OnceRowOf);

    const double now = SystemClock::nowDays();
    for (const OnceRow& row : rows) {
        if (now <= IncPeriod(row.elapseType, row.elapseInt, row.task.TaskTime)) {
            TfrmToDo::ShowReminder(row.task, CaptionLookup(QStringLiteral("OnceTask")), index * CascadeStep);
            ++index;
        }
        WriteRow(connVO, row.task.TDID, std::nullopt, row.mesType + mtCameDue);
    }
}

void TDataModule1::CheckRegularTasks(quint8& index, bool atStartup)
{
    Query query(connVO);
    query.add(QStringLiteral("SELECT *"));
    query.add(QStringLiteral("FROM ToDo"));
    query.add(QStringLiteral("WHERE (MesType In (0, 2, 3)) AND (PeriodInt > 0) AND (ShowDT <= Now())"));
    const std::vector<RegularRow> rows = ReadRows(query, RegularRowOf);

    const double now = SystemClock::nowDays();
    for (const RegularRow& row : rows) {
        const QString caption =
            CaptionLookup(row.mesType == mtHoliday ? QStringLiteral("Holidays") : QStringLiteral("RegularTask"));
        SeriesWalk walk(row, now, index, caption);
        walk.Announce(row.showDT, true);
        WriteRow(connVO, row.task.TDID, walk.NextAfterNow(atStartup), std::nullopt);
    }
}

void TDataModule1::UpdateNextShowDT()
{
    Query query(connVO);
    query.add(QStringLiteral("SELECT Min(ShowDT) AS FirstShowDT"));
    query.add(QStringLiteral("FROM ToDo"));
    query.add(QStringLiteral("WHERE ShowDT > Now()"));
    query.open();
    const QueryField first = query.field(QStringLiteral("FirstShowDT"));
    NextShowDT = first.isNull() ? NoNextShowDT : first.asDateTime();
    query.close();
}

void TDataModule1::ApplyTaskAnswer(qint32 TDID, quint8 count, quint8 code, double baseTime)
{
    // No unit, no postponement.
    if (code < ptMinutes || code > ptYears)
        return;
    Query query(connVO);
    query.add(QStringLiteral("SELECT ShowDT, MesType, PeriodInt"));
    query.add(QStringLiteral("FROM ToDo"));
    query.add(QStringLiteral("WHERE TDID = :ToDoID"));
    query.param(QStringLiteral("ToDoID")).setType(ParamType::Integer).setValue(TDID);
    query.open();
    if (query.eof())
        return;  // deleted while its window was open
    const double showDT = query.field(QStringLiteral("ShowDT")).asDateTime();
    const qint64 mesType = query.field(QStringLiteral("MesType")).asInteger();
    const bool repeating = query.field(QStringLiteral("PeriodInt")).asInteger() > 0;
    query.close();

    const double postponed = IncPeriod(code, count, baseTime);
    if (!repeating) {
        // Saved in the editor while its window was open, the row waits again already.
        const qint64 waiting = mesType >= mtCameDue ? mesType - mtCameDue : mesType;
        WriteRow(connVO, TDID, postponed, waiting);
        UpdateNextShowDT();
    } else if (showDT > postponed) {
        WriteRow(connVO, TDID, postponed, std::nullopt);
        UpdateNextShowDT();
    }
}

void TDataModule1::DeleteTask(qint32 TDID)
{
    Query query(connVO);
    query.add(QStringLiteral("DELETE"));
    query.add(QStringLiteral("FROM ToDo"));
    query.add(QStringLiteral("WHERE TDID = :TDID"));
    query.param(QStringLiteral("TDID")).setType(ParamType::Integer).setValue(TDID);
    query.execSQL();
}

void TDataModule1::RunTimerScan(const std::function<void(bool)>& setClockTimerEnabled)
{
    const double now = SystemClock::nowDays();
    if (scanning_ || !(now > NextShowDT) || now < retryAfter_)
        return;
    std::optional<QString> failure;
    {
        ScanInProgress scan(scanning_, setClockTimerEnabled);
        try {
            quint8 index = 0;
            CheckOnceTasks(index);
            CheckRegularTasks(index, false);
            UpdateNextShowDT();
            retryAfter_ = 0.0;
            failureReported_ = false;
        } catch (const std::exception& error) {
            retryAfter_ = SystemClock::nowDays() + RetryDelay;
            if (!failureReported_)
                failure = QString::fromUtf8(error.what());
            failureReported_ = true;
        }
    }
    // Shown with the clock running again and no scan marked as running.
    if (failure)
        ErrorReport::show(*failure);
}
