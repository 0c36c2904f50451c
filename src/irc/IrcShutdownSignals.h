#pragma once

#include <QSocketNotifier>

#include <functional>
#include <memory>

// Turns SIGTERM and SIGINT into a call on the event loop, so the bridge can say QUIT before
// it ends. The handler only writes a byte to a pipe; the event loop reads it. One instance
// per process.
class IrcShutdownSignals
{
public:
    explicit IrcShutdownSignals(std::function<void(int signalNumber)> requested);
    ~IrcShutdownSignals();
    IrcShutdownSignals(const IrcShutdownSignals&) = delete;
    IrcShutdownSignals& operator=(const IrcShutdownSignals&) = delete;

    bool Installed() const;

private:
    void readPipe();

    std::function<void(int)> requested_;
    std::unique_ptr<QSocketNotifier> notifier_;
};
