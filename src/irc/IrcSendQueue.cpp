#include "irc/IrcSendQueue.h"

#include "irc/IrcTimer.h"

#include <algorithm>

IrcSendQueue::IrcSendQueue(IrcTimer& timer, int burst, int intervalMs)
    : timer_(timer), burst_(std::max(1, burst)), intervalMs_(std::max(0, intervalMs))
{
}

void IrcSendQueue::SetWriter(Writer writer)
{
    writer_ = std::move(writer);
}

void IrcSendQueue::SetGate(std::function<bool(qsizetype bytes)> gate)
{
    gate_ = std::move(gate);
}

void IrcSendQueue::SetPausedHandler(std::function<void()> paused)
{
    paused_ = std::move(paused);
}

void IrcSendQueue::Push(const QByteArray& line, quint64 ticket)
{
    lines_.push_back({line, ticket});
    Pump();
}

void IrcSendQueue::SendNow(const QByteArray& line)
{
    messageTimer_ = std::max(messageTimer_, timer_.NowMs());
    write(line, 0);
}

void IrcSendQueue::Open()
{
    open_ = true;
    messageTimer_ = timer_.NowMs();
    Pump();
}

void IrcSendQueue::Close()
{
    open_ = false;
    timer_.Stop();
}

std::vector<quint64> IrcSendQueue::Clear()
{
    std::vector<quint64> tickets;
    for (const Line& line : lines_)
        tickets.push_back(line.Ticket);
    lines_.clear();
    timer_.Stop();
    return tickets;
}

bool IrcSendQueue::IsOpen() const
{
    return open_;
}

qsizetype IrcSendQueue::Pending() const
{
    return static_cast<qsizetype>(lines_.size());
}

void IrcSendQueue::Pump()
{
    if (!open_)
        return;
    const qint64 now = timer_.NowMs();
    messageTimer_ = std::max(messageTimer_, now);
    const qint64 ahead = qint64(burst_) * intervalMs_;
    bool wrote = false;
    while (open_ && !lines_.empty() &&
           (intervalMs_ == 0 || messageTimer_ + intervalMs_ - now <= ahead) &&
           (!gate_ || gate_(lines_.front().Bytes.size()))) {
        const Line line = lines_.front();
        lines_.pop_front();
        write(line.Bytes, line.Ticket);
        wrote = true;
    }
    const bool waitingForPace =
        open_ && !lines_.empty() && intervalMs_ > 0 && messageTimer_ + intervalMs_ - now > ahead;
    if (waitingForPace)
        timer_.Start(messageTimer_ + intervalMs_ - ahead - now, [this] { Pump(); });
    if (wrote && paused_)
        paused_();
}

void IrcSendQueue::write(const QByteArray& line, quint64 ticket)
{
    messageTimer_ += intervalMs_;
    if (writer_)
        writer_(line, ticket);
}
