#include "irc/IrcQtTimer.h"

#include <algorithm>

IrcQtTimer::IrcQtTimer()
{
    clock_.start();
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] {
        if (fire_)
            fire_();
    });
}

qint64 IrcQtTimer::NowMs() const
{
    return clock_.elapsed();
}

void IrcQtTimer::Start(qint64 ms, std::function<void()> fire)
{
    fire_ = std::move(fire);
    timer_.start(static_cast<int>(std::clamp<qint64>(ms, 0, 24 * 3600 * 1000)));
}

void IrcQtTimer::Stop()
{
    timer_.stop();
}
