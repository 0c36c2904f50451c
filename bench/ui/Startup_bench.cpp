// Start-up of the console against a bare window on the same machine: the console reads only
// its settings (and macro) file and never waits on the chat client, so the two should be close.
#include "room/PracticeRoom.h"
#include "services/SystemClock.h"
#include "ui/ConsoleSession.h"
#include "ui/MainWindow.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMainWindow>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

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
