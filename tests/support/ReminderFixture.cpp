#include "tests/support/ReminderFixture.h"

#include "platform/DateTime.h"
#include "platform/SystemClock.h"

#include <QApplication>

#include <algorithm>

ReminderFixture::~ReminderFixture()
{
    CloseWindows();
}

double ReminderFixture::At(int year, int month, int day, int hour, int minute, int second)
{
    return DateTime::encode(QDate(year, month, day), QTime(hour, minute, second));
}

void ReminderFixture::SetNow(double dayNumber)
{
    SystemClock::setNow(DateTime::toDateTime(dayNumber));
}

qint32 ReminderFixture::Insert(const Row& row)
{
    Query insert(dataModule.connVO);
    insert.add(QStringLiteral("INSERT INTO ToDo (MesType, FirstDT, ShowDT, Title, Comment, PeriodInt, PeriodType, "
                              "ElapseInt, ElapseType)"));
    insert.add(QStringLiteral("VALUES (:MesType, :FirstDT, :ShowDT, :Title, :Comment, :PeriodInt, :PeriodType, "
                              ":ElapseInt, :ElapseType)"));
    insert.param(QStringLiteral("MesType")).setType(ParamType::Integer).setValue(row.mesType);
    insert.param(QStringLiteral("FirstDT")).setType(ParamType::DateTime).setValue(row.firstDT);
    insert.param(QStringLiteral("ShowDT")).setType(ParamType::DateTime).setValue(row.showDT);
    insert.param(QStringLiteral("Title")).setType(ParamType::Text).setValue(row.title);
    insert.param(QStringLiteral("Comment")).setType(ParamType::LongText).setValue(row.title + QStringLiteral(" notes"));
    insert.param(QStringLiteral("PeriodInt")).setType(ParamType::Integer).setValue(row.periodInt);
    insert.param(QStringLiteral("PeriodType")).setType(ParamType::Integer).setValue(row.periodType);
    insert.param(QStringLiteral("ElapseInt")).setType(ParamType::Integer).setValue(row.elapseInt);
    insert.param(QStringLiteral("ElapseType")).setType(ParamType::Integer).setValue(row.elapseType);
    insert.execSQL();

    Query last(dataModule.connVO);
    last.add(QStringLiteral("SELECT Max(TDID) AS LastID FROM ToDo"));
    last.open();
    return static_cast<qint32>(last.field(QStringLiteral("LastID")).asInteger());
}

ReminderFixture::Stored ReminderFixture::Read(qint32 tdid)
{
    Query query(dataModule.connVO);
    query.add(QStringLiteral("SELECT ShowDT, MesType FROM ToDo WHERE TDID = :TDID"));
    query.param(QStringLiteral("TDID")).setType(ParamType::Integer).setValue(tdid);
    query.open();
    if (query.eof())
        throw std::runtime_error("no row " + std::to_string(tdid));
    return {query.field(QStringLiteral("ShowDT")).asDateTime(), query.field(QStringLiteral("MesType")).asInteger()};
}

bool ReminderFixture::Exists(qint32 tdid)
{
    Query query(dataModule.connVO);
    query.add(QStringLiteral("SELECT TDID FROM ToDo WHERE TDID = :TDID"));
    query.param(QStringLiteral("TDID")).setType(ParamType::Integer).setValue(tdid);
    query.open();
    return !query.eof();
}

std::vector<TfrmToDo*> ReminderFixture::Windows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    std::vector<TfrmToDo*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* form = qobject_cast<TfrmToDo*>(widget))
            windows.push_back(form);
    }
    // A later announcement of the same scan rests higher.
    std::sort(windows.begin(), windows.end(),
              [](const TfrmToDo* a, const TfrmToDo* b) { return a->TargetTop > b->TargetTop; });
    return windows;
}

std::vector<double> ReminderFixture::WindowTimes()
{
    std::vector<double> times;
    for (const TfrmToDo* form : Windows())
        times.push_back(form->TaskTime);
    return times;
}

void ReminderFixture::CloseWindows()
{
    for (TfrmToDo* form : Windows())
        delete form;
}
