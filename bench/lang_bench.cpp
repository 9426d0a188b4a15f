// The language lookups against reading the language file once: a message lookup, the
// translation of the settings dialog and of the clock window, and TranslateAllForms. Each
// reads the shipped English file afresh by design, so one plain read is their floor.

#include "bench/RatioReporter.h"
#include "clock/uMain.h"
#include "lang/uLanguages.h"
#include "platform/ProgramFolder.h"
#include "settings/uSettings.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include <memory>

namespace {

QtMessageHandler qtHandler = nullptr;

// What the offscreen platform cannot do (raise, window masks) would break up the table.
void dropWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        qtHandler(type, context, message);
}

// A program folder with the shipped languages, skin and pictures, where the clock window
// (and with it the settings dialog) can be created.
class ShippedProgramFolder {
public:
    ShippedProgramFolder()
    {
        previousConfig_ = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", config_.path().toUtf8());
        for (const char* folder : {"Languages", "Skins", "Images"}) {
            const QString from = QStringLiteral(LARKSPUR_SOURCE_DIR "/resources/") + QLatin1String(folder);
            QDir().mkpath(dir_.filePath(QLatin1String(folder)));
            for (QDirIterator it(from, QDir::Files); it.hasNext();) {
                const QString file = it.next();
                QFile::copy(file, dir_.filePath(QLatin1String(folder) + u'/' + QFileInfo(file).fileName()));
            }
        }
        ProgramFolder::setExecutablePathForTests(dir_.filePath(QStringLiteral("L_Organizer")));
        CurrentLanguage = QStringLiteral("English");
    }
    ~ShippedProgramFolder()
    {
        CurrentLanguage.clear();
        ProgramFolder::setExecutablePathForTests({});
        qputenv("XDG_CONFIG_HOME", previousConfig_);
    }

private:
    QTemporaryDir dir_;
    QTemporaryDir config_;
    QByteArray previousConfig_;
};

void BM_Floor_ReadFile(benchmark::State& state)
{
    const ShippedProgramFolder folder;
    const QString path = LanguageFilePath();
    for (auto _ : state) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(file.readAll());
    }
}
BENCHMARK(BM_Floor_ReadFile)->Unit(benchmark::kMicrosecond);

void BM_GetLangMessage(benchmark::State& state)
{
    const ShippedProgramFolder folder;
    // The last key of the section, so the whole section is walked.
    const QString key = QStringLiteral("ErrorOnLoad");
    for (auto _ : state)
        benchmark::DoNotOptimize(GetLangMessage(key));
    if (GetLangMessage(key) == key)
        state.SkipWithError("the message was not found");
}
BENCHMARK(BM_GetLangMessage)->Unit(benchmark::kMicrosecond);

// The clock window as start-up creates it; its creation makes the settings dialog too.
class ClockWindowBench {
public:
    ClockWindowBench() : clock(std::make_unique<TfrmClock>()) {}
    bool usable() const { return !clock->TerminationRequested() && frmSettings; }

    ShippedProgramFolder folder;
    std::unique_ptr<TfrmClock> clock;
};

void BM_TranslateForm_Settings(benchmark::State& state)
{
    ClockWindowBench windows;
    if (!windows.usable()) {
        state.SkipWithError("the clock window could not be created");
        return;
    }
    // A caption the file gives back, to tell that the section was applied.
    frmSettings->btnOK->setText(QString());
    for (auto _ : state)
        TranslateForm(frmSettings);
    if (frmSettings->btnOK->text() != QStringLiteral("OK"))
        state.SkipWithError("the section was not applied");
}
BENCHMARK(BM_TranslateForm_Settings)->Unit(benchmark::kMicrosecond);

void BM_TranslateForm_Clock(benchmark::State& state)
{
    ClockWindowBench windows;
    if (!windows.usable()) {
        state.SkipWithError("the clock window could not be created");
        return;
    }
    windows.clock->setWindowTitle(QString());
    for (auto _ : state)
        TranslateForm(windows.clock.get());
    if (windows.clock->windowTitle() != QStringLiteral("Larkspur Organizer"))
        state.SkipWithError("the section was not applied");
}
BENCHMARK(BM_TranslateForm_Clock)->Unit(benchmark::kMicrosecond);

// Of the long-lived windows only the clock exists here; the others would each add one
// TranslateForm of their own section.
void BM_TranslateAllForms(benchmark::State& state)
{
    ClockWindowBench windows;
    if (!windows.usable()) {
        state.SkipWithError("the clock window could not be created");
        return;
    }
    windows.clock->setWindowTitle(QString());
    for (auto _ : state)
        TranslateAllForms();
    if (windows.clock->windowTitle() != QStringLiteral("Larkspur Organizer"))
        state.SkipWithError("the clock window was not translated");
}
BENCHMARK(BM_TranslateAllForms)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qtHandler = qInstallMessageHandler(dropWarnings);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter({{"BM_GetLangMessage", "BM_Floor_ReadFile"},
                            {"BM_TranslateForm_Settings", "BM_Floor_ReadFile"},
                            {"BM_TranslateForm_Clock", "BM_Floor_ReadFile"},
                            {"BM_TranslateAllForms", "BM_Floor_ReadFile"}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
