#include "irc/IrcOutbox.h"

#include "irc/IrcMessage.h"
#include "irc/IrcSplitter.h"

IrcOutbox::IrcOutbox(IrcTimer& timer, int burst, int intervalMs) : queue_(timer, burst, intervalMs)
{
    queue_.SetWriter([this](const QByteArray& line, quint64 ticket) { written(line, ticket); });
    queue_.SetGate([this](qsizetype bytes) { return delivery_.HasRoom(bytes); });
    // Without echoes only a PONG tells what the server took: one goes behind every round.
    queue_.SetPausedHandler([this] {
        if (echoes_)
            stallTimer_.start();
        else if (delivery_.PingDue())
            pinged();
    });
    delivery_.SetResolvedHandler([this](const IrcDelivery::Line& piece, bool taken) {
        if (onPiece_)
            onPiece_(piece, taken);
        settle(piece.Ticket, taken);
    });
    stallTimer_.setSingleShot(true);
    stallTimer_.setInterval(StallMs);
    QObject::connect(&stallTimer_, &QTimer::timeout, &stallTimer_, [this] {
        if (delivery_.PingDue())
            pinged();
    });
}

void IrcOutbox::SetWriter(Writer writer)
{
    writer_ = std::move(writer);
}

void IrcOutbox::SetDeliveryHandler(DeliveryHandler handler)
{
    onDelivered_ = std::move(handler);
}

void IrcOutbox::SetPieceHandler(PieceHandler handler)
{
    onPiece_ = std::move(handler);
}

quint64 IrcOutbox::Say(const QByteArray& nick, const QByteArray& target, const QByteArray& text)
{
    if (!queue_.IsOpen())
        return 0;
    // IRC carries no empty message; a blank keeps the line the console said.
    const QByteArray said = text.isEmpty() ? QByteArray(" ") : text;
    QList<QByteArray> lines;
    for (const QByteArray& piece : IrcSplitter::Split(said, IrcSplitter::TextRoom(nick, target))) {
        lines.append(IrcMessage::Format("PRIVMSG", {target, piece}));
        if (lines.last().isEmpty())
            return 0;
    }
    const quint64 ticket = ++lastTicket_;
    tickets_.insert(ticket, {static_cast<int>(lines.size()), false});
    for (const QByteArray& line : lines)
        queue_.Push(line, ticket);
    return ticket;
}

void IrcOutbox::SendNow(const QByteArray& line)
{
    queue_.SendNow(line);
}

void IrcOutbox::Open(bool echoes)
{
    echoes_ = echoes;
    delivery_.SetEchoes(echoes);
    queue_.Open();
}

void IrcOutbox::Close()
{
    queue_.Close();
    stallTimer_.stop();
    for (const quint64 ticket : queue_.Clear())
        settle(ticket, false);
    delivery_.Lost();
}

void IrcOutbox::Echoed(const QByteArray& target)
{
    delivery_.Echoed(target);
    progressed();
}

void IrcOutbox::Refused(const QByteArray& target)
{
    delivery_.Refused(target);
    progressed();
}

bool IrcOutbox::Ponged(const QByteArray& token)
{
    if (!delivery_.Ponged(token))
        return false;
    progressed();
    return true;
}

void IrcOutbox::written(const QByteArray& line, quint64 ticket)
{
    if (writer_)
        writer_(line);
    if (ticket == 0)
        return;
    const auto sent = IrcMessage::Parse(line.chopped(2));
    if (sent && sent->Params.size() == 2)
        delivery_.Written({ticket, sent->Params[0], sent->Params[1]}, line.size());
}

void IrcOutbox::pinged()
{
    const QByteArray token = delivery_.PingWritten();
    queue_.SendNow(IrcMessage::Format("PING", {token}));
}

void IrcOutbox::settle(quint64 ticket, bool taken)
{
    const auto it = tickets_.find(ticket);
    if (it == tickets_.end())
        return;
    it->Refused = it->Refused || !taken;
    if (--it->Waiting > 0)
        return;
    const bool whole = !it->Refused;
    tickets_.erase(it);
    if (onDelivered_)
        onDelivered_(ticket, whole);
}

void IrcOutbox::progressed()
{
    if (echoes_ && delivery_.Unconfirmed())
        stallTimer_.start();
    else
        stallTimer_.stop();
    queue_.Pump();
}
