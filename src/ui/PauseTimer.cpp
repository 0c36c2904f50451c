#include "ui/PauseTimer.h"

#include <QCoreApplication>
#include <QEventLoop>

PauseTimer::PauseTimer(QObject* parent) : QObject(parent)
{
    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setParent(this);
    Timer1.setInterval(IntervalMs);
    Timer1.setTimerType(Qt::PreciseTimer);
    connect(&Timer1, &QTimer::timeout, this, &PauseTimer::tick);
}

void PauseTimer::Wait(int ticks)
{
    if (ticks <= 0)
        return;
    tickCount_ = 0;
    const qint64 until = totalTicks_ + ticks;
    QEventLoop loop;
    const auto done = connect(this, &PauseTimer::ticked, &loop, [this, &loop, until] {
        if (totalTicks_ >= until)
            loop.quit();
    });
    // Quitting the application ends the pause, so a closed console never hangs in one.
    const auto quitting = connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit,
                                  &loop, &QEventLoop::quit);
    const auto cancelling = connect(this, &PauseTimer::cancelled, &loop, &QEventLoop::quit);
    ++depth_;
    if (!Timer1.isActive())
        Timer1.start();
    loop.exec();
    --depth_;
    disconnect(done);
    disconnect(quitting);
    disconnect(cancelling);
    if (depth_ == 0)
        Timer1.stop();
}

void PauseTimer::CancelAll()
{
    Q_EMIT cancelled();
}

void PauseTimer::tick()
{
    ++totalTicks_;
    ++tickCount_;
    Q_EMIT ticked();
}

std::int16_t PauseTimer::TickCount() const
{
    return tickCount_;
}

bool PauseTimer::Running() const
{
    return Timer1.isActive();
}

int PauseTimer::Depth() const
{
    return depth_;
}
