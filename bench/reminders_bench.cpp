// The reminder engine's costs beside floors measured in the same run: the step-by-step walk
// of a per-minute series over a year against a bare loop of additions, and an idle scan
// (the three scan statements, nothing due) against SQLite's cheapest answer to "what is next".

#include "bench/RatioReporter.h"
#include "data/uDataModule.h"
#include "draw/uLarkspurUtils.h"
#include "platform/DateTime.h"
#include "platform/ProgramFolder.h"
#include "platform/SystemClock.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QFile>
#include <QTemporaryDir>

#include <memory>

namespace {

const QDateTime Now(QDate(2025, 3, 14), QTime(9, 30));
constexpr int MinutesPerYear = 365 * 1440;

void BM_Floor_AddLoop(benchmark::State& state)
{
    const double now = DateTime::fromDateTime(Now);
    for (auto _ : state) {
        double t = now - 365.0;
        for (int step = 0; step < MinutesPerYear; ++step)
            t += DateTime::OneMinute;
        benchmark::DoNotOptimize(t);
    }
}
BENCHMARK(BM_Floor_AddLoop)->Unit(benchmark::kMillisecond);

void BM_SeriesWalk_MinuteYear(benchmark::State& state)
{
    const double now = DateTime::fromDateTime(Now);
    for (auto _ : state) {
        double t = now - 365.0;
        while (t <= now)
            t = IncPeriod(ptMinutes, 1, t);
        benchmark::DoNotOptimize(t);
    }
}
BENCHMARK(BM_SeriesWalk_MinuteYear)->Unit(benchmark::kMillisecond);

// A program folder whose ToDo holds the given number of rows, all due in the future.
class FilledProgramFolder {
public:
    explicit FilledProgramFolder(int rows)
    {
        const QString database = dir_.filePath(QStringLiteral("Ls.lsb"));
        QFile::copy(QStringLiteral(LARKSPUR_FIXTURE_DB), database);
        QFile::setPermissions(database, QFile::ReadOwner | QFile::WriteOwner);
        ProgramFolder::setExecutablePathForTests(dir_.filePath(QStringLiteral("L_Organizer")));
        SystemClock::setNow(Now);

        dataModule_ = std::make_unique<TDataModule1>();
        Database& connection = dataModule_->connVO;
        Execute(connection, QStringLiteral("BEGIN"));
        Query insert(connection);
        insert.add(QStringLiteral("INSERT INTO ToDo (MesType, FirstDT, ShowDT, Title, PeriodInt, PeriodType)"));
        insert.add(QStringLiteral("VALUES (:MesType, :ShowDT, :ShowDT, 'Task', :PeriodInt, 1)"));
        insert.param(QStringLiteral("MesType")).setType(ParamType::Integer);
        insert.param(QStringLiteral("ShowDT")).setType(ParamType::DateTime);
        insert.param(QStringLiteral("PeriodInt")).setType(ParamType::Integer);
        const double now = DateTime::fromDateTime(Now);
        for (int row = 0; row < rows; ++row) {
            insert.param(QStringLiteral("MesType")).setValue(row % 4 == 0 ? 2 : 0);
            insert.param(QStringLiteral("ShowDT")).setValue(now + 1.0 + row * DateTime::OneMinute);
            insert.param(QStringLiteral("PeriodInt")).setValue(row % 2);
            insert.execSQL();
        }
        Execute(connection, QStringLiteral("COMMIT"));
    }
    ~FilledProgramFolder()
    {
        dataModule_.reset();
        ProgramFolder::setExecutablePathForTests({});
        SystemClock::setNow(std::nullopt);
    }

    TDataModule1& dataModule() { return *dataModule_; }
    QString databasePath() const { return dir_.filePath(QStringLiteral("Ls.lsb")); }

private:
    static void Execute(Database& connection, const QString& sql)
    {
        Query query(connection);
        query.add(sql);
        query.execSQL();
    }

    QTemporaryDir dir_;
    std::unique_ptr<TDataModule1> dataModule_;
};

void BM_Floor_SqliteMin(benchmark::State& state)
{
    FilledProgramFolder folder(static_cast<int>(state.range(0)));
    sqlite3* db = nullptr;
    sqlite3_open_v2(folder.databasePath().toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, "SELECT Min(ShowDT) FROM ToDo WHERE ShowDT > ?", -1, &statement, nullptr);
    const double now = DateTime::fromDateTime(Now);
    for (auto _ : state) {
        sqlite3_bind_double(statement, 1, now);
        sqlite3_step(statement);
        benchmark::DoNotOptimize(sqlite3_column_double(statement, 0));
        sqlite3_reset(statement);
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
}
BENCHMARK(BM_Floor_SqliteMin)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

void BM_ScanIdle(benchmark::State& state)
{
    FilledProgramFolder folder(static_cast<int>(state.range(0)));
    TDataModule1& dataModule = folder.dataModule();
    for (auto _ : state) {
        quint8 index = 0;
        dataModule.CheckOnceTasks(index);
        dataModule.CheckRegularTasks(index, false);
        dataModule.UpdateNextShowDT();
        benchmark::DoNotOptimize(dataModule.NextShowDT);
    }
    if (dataModule.NextShowDT == NoNextShowDT)
        state.SkipWithError("the rows were not found");
}
BENCHMARK(BM_ScanIdle)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter({{"BM_SeriesWalk_MinuteYear", "BM_Floor_AddLoop"},
                            {"BM_ScanIdle/10000", "BM_Floor_SqliteMin/10000"},
                            {"BM_ScanIdle/100000", "BM_Floor_SqliteMin/100000"}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
