#pragma once

#include <QtGlobal>

#include <functional>

// A monotonic clock with one single-shot timer, behind an interface so the bridge's pacing
// can be tested without waiting for real time.
class IrcTimer
{
public:
    virtual ~IrcTimer() = default;
    virtual qint64 NowMs() const = 0;
    // Calls fire once after ms, replacing any timer still running.
    virtual void Start(qint64 ms, std::function<void()> fire) = 0;
    virtual void Stop() = 0;
};
