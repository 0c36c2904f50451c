#pragma once

#include "irc/IrcTimer.h"

#include <QElapsedTimer>
#include <QTimer>

// The real clock and a QTimer on the event loop.
class IrcQtTimer final : public IrcTimer
{
public:
    IrcQtTimer();

    qint64 NowMs() const override;
    void Start(qint64 ms, std::function<void()> fire) override;
    void Stop() override;

private:
    QElapsedTimer clock_;
    QTimer timer_;
    std::function<void()> fire_;
};
