#pragma once

#include <QByteArray>

#include <deque>
#include <functional>
#include <vector>

class IrcTimer;

// Holds the lines the bridge says until the server may take them. A gate (the delivery
// window) decides whether the next line may go now; below it, an optional cap paces lines
// for servers with stricter rules: a burst goes out at once, then one line per interval (a
// message timer, one interval further on for each line, may run at most burst intervals ahead
// of the clock). An interval of 0 leaves the gate alone in charge. Lines wait while the queue
// is closed and go out in order once it opens.
class IrcSendQueue
{
public:
    static constexpr int DefaultBurst = 4;
    static constexpr int DefaultIntervalMs = 0;

    using Writer = std::function<void(const QByteArray& line, quint64 ticket)>;

    IrcSendQueue(IrcTimer& timer, int burst = DefaultBurst, int intervalMs = DefaultIntervalMs);

    void SetWriter(Writer writer);
    // Asked with the size of the next line before it goes; false holds it (and the rest).
    void SetGate(std::function<bool(qsizetype bytes)> gate);
    // Runs after a round of writing that wrote something and could write no more for now.
    void SetPausedHandler(std::function<void()> paused);

    // A line for the server; the ticket comes back with it to the writer.
    void Push(const QByteArray& line, quint64 ticket = 0);
    // Writes at once but counts against the pace: answers and commands that must not wait.
    void SendNow(const QByteArray& line);
    // Tries again: the gate may have opened.
    void Pump();
    // A fresh connection: the server's count starts again.
    void Open();
    void Close();
    // Drops the lines still waiting; their tickets, in order.
    std::vector<quint64> Clear();
    bool IsOpen() const;
    qsizetype Pending() const;

private:
    struct Line
    {
        QByteArray Bytes;
        quint64 Ticket;
    };

    void write(const QByteArray& line, quint64 ticket);

    IrcTimer& timer_;
    int burst_;
    int intervalMs_;
    Writer writer_;
    std::function<bool(qsizetype)> gate_;
    std::function<void()> paused_;
    std::deque<Line> lines_;
    bool open_ = false;
    qint64 messageTimer_ = 0; // when the server would have forgiven every line sent so far
};
