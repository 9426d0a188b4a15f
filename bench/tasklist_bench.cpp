// Opening the task list on many tasks, beside the bare statement in SQLite on the same data.
#include "bench/RatioReporter.h"
#include "platform/Database.h"
#include "platform/Query.h"
#include "tasks/TaskListModel.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

#include <sqlite3.h>

namespace {

constexpr int Tasks = 10000;

const char* const BareStatement =
    "SELECT TDID, ShowDT, Title, Str(ElapseInt) || ' ' || TimePeriods.Descript AS ActiveTime, "
    "Str(PeriodInt) || ' ' || TimePeriods1.Descript AS Cycle "
    "FROM (ToDo LEFT JOIN TimePeriods ON ToDo.ElapseType = TimePeriods.TPID) "
    "LEFT JOIN TimePeriods AS TimePeriods1 ON ToDo.PeriodType = TimePeriods1.TPID "
    "WHERE (MesType IN (0, 3, 10, 13)) AND (PeriodInt > 0) UNION "
    "SELECT TDID, ShowDT, Title, Str(ElapseInt) || ' ' || TimePeriods.Descript, ' --- ' "
    "FROM (ToDo LEFT JOIN TimePeriods ON ToDo.ElapseType = TimePeriods.TPID) "
    "LEFT JOIN TimePeriods AS TimePeriods1 ON ToDo.PeriodType = TimePeriods1.TPID "
    "WHERE (MesType IN (0, 3, 10, 13)) AND (PeriodInt = 0) ORDER BY ShowDT";

// A database with Tasks tasks, half of them repeating.
struct TaskDatabase {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("Ls.lsb"));
    Database db{path};

    TaskDatabase()
    {
        QFile::copy(QStringLiteral(LARKSPUR_FIXTURE_DB), path);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        sqlite3_exec(db.handle(),
                     "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 10000) "
                     "INSERT INTO ToDo (MesType, FirstDT, ShowDT, Title, PeriodInt, PeriodType, ElapseInt, ElapseType) "
                     "SELECT 0, 46000 + i * 0.01, 46000 + i * 0.01, 'Task number ' || i, i % 2, (i % 2) * 3, 1, 2 "
                     "FROM n",
                     nullptr, nullptr, nullptr);
    }
};

TaskDatabase& data()
{
    static TaskDatabase database;
    return database;
}

void BM_TaskListOpen(benchmark::State& state)
{
    TaskListModel model;
    for (auto _ : state) {
        model.load(data().db);
        benchmark::DoNotOptimize(model.rowCount());
    }
    state.counters["rows"] = model.rowCount();
}
BENCHMARK(BM_TaskListOpen)->Unit(benchmark::kMillisecond);

void BM_Floor_TaskListStatement(benchmark::State& state)
{
    sqlite3* db = data().db.handle();
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, BareStatement, -1, &stmt, nullptr);
    int rows = 0;
    for (auto _ : state) {
        rows = 0;
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            benchmark::DoNotOptimize(sqlite3_column_text(stmt, 2));
            benchmark::DoNotOptimize(sqlite3_column_text(stmt, 4));
            ++rows;
        }
        sqlite3_reset(stmt);
    }
    sqlite3_finalize(stmt);
    state.counters["rows"] = rows;
}
BENCHMARK(BM_Floor_TaskListStatement)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter({std::pair<std::string, std::string>{"BM_TaskListOpen", "BM_Floor_TaskListStatement"}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
