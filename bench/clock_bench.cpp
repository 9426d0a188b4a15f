// The cost of the clock's tick when nothing is due, the program's steady idle load, against
// the floor of reading the clock once; and the start-up to the first painted clock against an
// empty window shown and painted the same way.
#include "bench/RatioReporter.h"
#include "clock/uMain.h"
#include "data/uDataModule.h"
#include "platform/ProgramFolder.h"
#include "platform/SystemClock.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

namespace {

struct ClockProgram {
    QTemporaryDir folder;
    std::unique_ptr<TDataModule1> dataModule;
    std::unique_ptr<TfrmClock> clock;

    ClockProgram()
    {
        QFile::copy(QStringLiteral(LARKSPUR_FIXTURE_DB), folder.filePath(QStringLiteral("Ls.lsb")));
        QDir(folder.path()).mkpath(QStringLiteral("Images"));
        QFile::copy(QStringLiteral(LARKSPUR_SOURCE_DIR "/resources/Images/Analog_clock.jpg"),
                    folder.filePath(QStringLiteral("Images/Analog_clock.jpg")));
        QDir(folder.path()).mkpath(QStringLiteral("Skins"));
        QFile skin(folder.filePath(QStringLiteral("Skins/Larkspur.skn")));
        skin.open(QIODevice::WriteOnly);
        skin.write("QWidget { color: #000080; }");
        skin.close();
        ProgramFolder::setExecutablePathForTests(folder.filePath(QStringLiteral("L_Organizer")));
        dataModule = std::make_unique<TDataModule1>();
        clock = std::make_unique<TfrmClock>();
        dataModule->NextShowDT = NoNextShowDT;
    }
};

ClockProgram& program()
{
    static ClockProgram instance;
    return instance;
}

void BM_Floor_ReadTheClock(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(SystemClock::now());
}
BENCHMARK(BM_Floor_ReadTheClock);

void BM_IdleTick(benchmark::State& state, quint8 viewMode)
{
    TfrmClock& clock = *program().clock;
    clock.ViewMode = viewMode;
    for (auto _ : state)
        clock.tmrTimeTimer();
}
BENCHMARK_CAPTURE(BM_IdleTick, FreeClock, quint8(vmFreeClock));
BENCHMARK_CAPTURE(BM_IdleTick, AnalogClock, quint8(vmAnalogClock));
BENCHMARK_CAPTURE(BM_IdleTick, TrayIcon, quint8(vmSysTrayIcon));

// The data module and the clock window created, shown and painted once, as start-up does
// before the message loop.
void BM_StartUp_FirstPaintedClock(benchmark::State& state)
{
    program();
    for (auto _ : state) {
        TDataModule1 dataModule;
        TfrmClock clock;
        clock.show();
        benchmark::DoNotOptimize(clock.grab());
    }
}
BENCHMARK(BM_StartUp_FirstPaintedClock)->Unit(benchmark::kMillisecond);

void BM_Floor_EmptyWindow(benchmark::State& state)
{
    for (auto _ : state) {
        QWidget window;
        window.resize(96, 96);
        window.show();
        benchmark::DoNotOptimize(window.grab());
    }
}
BENCHMARK(BM_Floor_EmptyWindow)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter({{"BM_IdleTick/FreeClock", "BM_Floor_ReadTheClock"},
                            {"BM_IdleTick/AnalogClock", "BM_Floor_ReadTheClock"},
                            {"BM_IdleTick/TrayIcon", "BM_Floor_ReadTheClock"},
                            {"BM_StartUp_FirstPaintedClock", "BM_Floor_EmptyWindow"}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    program().clock.reset();
    benchmark::Shutdown();
    return 0;
}
