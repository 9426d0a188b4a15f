#pragma once

#include "platform/Database.h"
#include "platform/Query.h"

#include <QObject>
#include <QString>

#include <functional>

// "Nothing is due in the future": 4 June 2079 00:00.
inline constexpr double NoNextShowDT = 65535.0;

// The data module: the one connection to Ls.lsb, the address book's prepared statements and
// the reminder engine's state.
class TDataModule1 : public QObject {
    Q_OBJECT
public:
    explicit TDataModule1(QObject* parent = nullptr);
    ~TDataModule1() override;

    Database connVO;
    Query qrContactList;
    Query qrInsContact;
    Query qrPerson;
    Query qrUpdContact;
    double NextShowDT = NoNextShowDT;

    // The reminder engine. Database errors propagate to the caller, except in RunTimerScan.
    // Start-up: the after-start tasks wait again for system start + their offset, then the
    // first scan, which announces every missed element of a series still within its active time.
    void PrepareAfterLoadTasks();
    // One-time tasks come due: announced while within their active time, marked come due.
    void CheckOnceTasks(quint8& index);
    // Repeating tasks and holidays come due: announced, then moved to their next due time.
    void CheckRegularTasks(quint8& index, bool atStartup);
    void UpdateNextShowDT();
    // A postponement chosen in a reminder window, counted from the time the window showed.
    void ApplyTaskAnswer(qint32 TDID, quint8 count, quint8 code, double baseTime);
    void DeleteTask(qint32 TDID);

    // The clock's tick: once NextShowDT has passed, scans with the clock timer switched off and
    // switches it on again however the scan ends. A failing scan is reported once and tried
    // again a minute later; a tick inside a running scan does nothing. Runs no SQL otherwise.
    void RunTimerScan(const std::function<void(bool)>& setClockTimerEnabled);

    // The reminder windows' captions by language key.
    std::function<QString(const QString&)> CaptionLookup;

private:
    void DataModuleCreate();

    bool scanning_ = false;
    // After a failed timer-driven scan, no new one before this moment.
    double retryAfter_ = 0.0;
    bool failureReported_ = false;
};

// The program-wide instance; set while one exists.
extern TDataModule1* DataModule1;
