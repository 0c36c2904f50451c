// Start-up of the console against a bare window on the same machine: the console reads only
// its settings (and macro) file and never waits on the chat client, so the two should be close.
// In-process (the window's own cost) and from outside (a process, the program's own start-up
// on the practice room, to its first exposed window), on the platform the benchmark runs on:
// offscreen without a display, or under xvfb-run.
#include "room/PracticeRoom.h"
#include "services/SystemClock.h"
#include "ui/ConsoleSession.h"
#include "ui/MainWindow.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QMainWindow>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

void BM_StartBareWindow(benchmark::State& state)
{
    for (auto _ : state) {
        QMainWindow window;
        window.setCentralWidget(new QLabel(QStringLiteral("Quillo"), &window));
        window.show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(window.isVisible());
    }
}
BENCHMARK(BM_StartBareWindow)->Unit(benchmark::kMillisecond);

void BM_StartConsole(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto folder = std::make_unique<QTemporaryDir>();
        PracticeRoom room;
        SystemClock clock;
        state.ResumeTiming();
        ConsoleSession session(room, clock, folder->path());
        const bool running = session.Start() == ConsoleSession::Outcome::Running;
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(running);
        state.PauseTiming();
        session.Shutdown();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartConsole)->Unit(benchmark::kMillisecond);

} // namespace

namespace {

// One process a run, from its start until its windows are exposed; the program prints its
// peak memory. The bare window runs first, so the console's run can print its ratio to it.
struct ProcessRun
{
    double Ms = 0;
    double PeakKb = 0;
};

ProcessRun RunToWindow(const QString& program, const QString& home)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QUILLO_HOME"), home);
    process.setProcessEnvironment(env);
    QElapsedTimer clock;
    clock.start();
    process.start(program, {});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return {static_cast<double>(clock.nsecsElapsed()) / 1e6,
            process.readAllStandardOutput().trimmed().toDouble()};
}

ProcessRun& BareRun()
{
    static ProcessRun bare;
    return bare;
}

void RunProcesses(benchmark::State& state, const QString& program, bool anchor)
{
    QTemporaryDir home;
    double totalMs = 0;
    double peakKb = 0;
    for (auto _ : state) {
        const ProcessRun run = RunToWindow(program, home.path());
        if (run.Ms <= 0) {
            state.SkipWithError("the program did not reach its window");
            return;
        }
        state.SetIterationTime(run.Ms / 1000.0);
        totalMs += run.Ms;
        peakKb = std::max(peakKb, run.PeakKb);
    }
    const ProcessRun mean{totalMs / static_cast<double>(state.iterations()), peakKb};
    state.counters["peak_MiB"] = peakKb / 1024.0;
    state.counters["platform"] = QGuiApplication::platformName() == u"xcb" ? 1 : 0;
    if (anchor) {
        BareRun() = mean;
    } else if (BareRun().Ms > 0) {
        state.counters["x_bare"] = mean.Ms / BareRun().Ms;
        state.counters["peak_x_bare"] = mean.PeakKb / BareRun().PeakKb;
    }
}

void BM_ProcessBareWindow(benchmark::State& state)
{
    RunProcesses(state, QStringLiteral(QUILLO_START_BARE), true);
}
BENCHMARK(BM_ProcessBareWindow)->UseManualTime()->Iterations(9)->Unit(benchmark::kMillisecond);

void BM_ProcessConsoleWithRoom(benchmark::State& state)
{
    RunProcesses(state, QStringLiteral(QUILLO_START_CONSOLE), false);
}
BENCHMARK(BM_ProcessConsoleWithRoom)->UseManualTime()->Iterations(9)->Unit(benchmark::kMillisecond);

} // namespace
