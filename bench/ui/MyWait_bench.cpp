// The pause between said lines: each tick should last 130 ms within a few milliseconds, and a
// click queued during a pause should be handled within one tick.
#include "console/Pacing.h"
#include "records/Settings.h"
#include "ui/PauseTimer.h"
#include "ui/WidgetToolkit.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>

namespace {

void BM_MyWait(benchmark::State& state)
{
    WidgetToolkit toolkit;
    const auto delay = static_cast<std::int16_t>(state.range(0));
    const int ticks = PauseTicks(delay);
    double worstTickError = 0;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        My_Wait(toolkit, delay);
        const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        state.SetIterationTime(ms / 1000.0);
        worstTickError = std::max(worstTickError, std::abs(ms / ticks - PauseTimer::IntervalMs));
    }
    state.counters["ticks"] = ticks;
    state.counters["worst_tick_error_ms"] = worstTickError;
}
BENCHMARK(BM_MyWait)
    ->Arg(0)
    ->Arg(1)
    ->Arg(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

void BM_ClickDuringPause(benchmark::State& state)
{
    WidgetToolkit toolkit;
    QPushButton button(QStringLiteral("click"));
    button.resize(80, 30);
    button.show();
    QElapsedTimer sinceQueued;
    double worstLatencyMs = 0;
    QObject::connect(&button, &QPushButton::clicked, [&] {
        worstLatencyMs =
            std::max(worstLatencyMs, static_cast<double>(sinceQueued.nsecsElapsed()) / 1e6);
    });
    for (auto _ : state) {
        // The host clicks 200 ms into a pause of seven ticks.
        QTimer::singleShot(200, &button, [&button, &sinceQueued] {
            const QPointF at(10, 10);
            sinceQueued.start();
            QCoreApplication::postEvent(
                &button, new QMouseEvent(QEvent::MouseButtonPress, at, button.mapToGlobal(at),
                                         Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
            QCoreApplication::postEvent(
                &button, new QMouseEvent(QEvent::MouseButtonRelease, at, button.mapToGlobal(at),
                                         Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
        });
        My_Wait(toolkit, SpeedSlow);
    }
    state.counters["worst_click_latency_ms"] = worstLatencyMs;
    state.counters["tick_ms"] = PauseTimer::IntervalMs;
    state.counters["x_tick"] = worstLatencyMs / PauseTimer::IntervalMs; // under 1: within a tick
}
BENCHMARK(BM_ClickDuringPause)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
