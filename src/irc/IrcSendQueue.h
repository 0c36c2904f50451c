#pragma once

#include <QByteArray>

#include <deque>
#include <functional>

class IrcTimer;

// Paces the lines the bridge says so a server's flood control never drops or disconnects it:
// a burst of lines goes out at once, then one line per interval: a message timer, one interval
// further on for each line, may run at most burst intervals ahead of the clock. Lines wait while
// the queue is closed (not joined, or reconnecting) and go out in order once it opens.
class IrcSendQueue
{
public:
    static constexpr int DefaultBurst = 4;
    static constexpr int DefaultIntervalMs = 600;

    IrcSendQueue(IrcTimer& timer, int burst = DefaultBurst, int intervalMs = DefaultIntervalMs);

    void SetWriter(std::function<void(const QByteArray& line)> writer);
    void Push(const QByteArray& line);
    // Writes at once but counts against the pace: answers and commands that must not wait.
    void SendNow(const QByteArray& line);
    // A fresh connection: the server's count starts again.
    void Open();
    void Close();
    bool IsOpen() const;
    qsizetype Pending() const;

private:
    void pump();
    void write(const QByteArray& line);

    IrcTimer& timer_;
    int burst_;
    int intervalMs_;
    std::function<void(const QByteArray&)> writer_;
    std::deque<QByteArray> lines_;
    bool open_ = false;
    qint64 messageTimer_ = 0; // when the server would have forgiven every line sent so far
};
