#include "irc/IrcSendQueue.h"

#include "irc/IrcTimer.h"

#include <algorithm>

IrcSendQueue::IrcSendQueue(IrcTimer& timer, int burst, int intervalMs)
    : timer_(timer), burst_(std::max(1, burst)), intervalMs_(std::max(0, intervalMs))
{
}

void IrcSendQueue::SetWriter(std::function<void(const QByteArray& line)> writer)
{
    writer_ = std::move(writer);
}

void IrcSendQueue::Push(const QByteArray& line)
{
    lines_.push_back(line);
    pump();
}

void IrcSendQueue::SendNow(const QByteArray& line)
{
    messageTimer_ = std::max(messageTimer_, timer_.NowMs());
    write(line);
}

void IrcSendQueue::Open()
{
    open_ = true;
    messageTimer_ = timer_.NowMs();
    pump();
}

void IrcSendQueue::Close()
{
    open_ = false;
    timer_.Stop();
}

bool IrcSendQueue::IsOpen() const
{
    return open_;
}

qsizetype IrcSendQueue::Pending() const
{
    return static_cast<qsizetype>(lines_.size());
}

void IrcSendQueue::pump()
{
    if (!open_)
        return;
    const qint64 now = timer_.NowMs();
    messageTimer_ = std::max(messageTimer_, now);
    const qint64 ahead = qint64(burst_) * intervalMs_;
    while (open_ && !lines_.empty() &&
           (intervalMs_ == 0 || messageTimer_ + intervalMs_ - now <= ahead)) {
        const QByteArray line = lines_.front();
        lines_.pop_front();
        write(line);
    }
    if (open_ && !lines_.empty())
        timer_.Start(messageTimer_ + intervalMs_ - ahead - now, [this] { pump(); });
}

void IrcSendQueue::write(const QByteArray& line)
{
    messageTimer_ += intervalMs_;
    if (writer_)
        writer_(line);
}
