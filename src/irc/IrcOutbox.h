#pragma once

#include "irc/IrcDelivery.h"
#include "irc/IrcSendQueue.h"

#include <QByteArray>
#include <QHash>
#include <QTimer>

#include <functional>

class IrcTimer;

// The lines the console says on their way to the server: split to fit IRC's lines, queued,
// written as fast as the server takes them (within the delivery window and any pacing cap),
// and followed until the server took or refused every piece. Commands of the connection's own
// (PONG, JOIN, NICK) go out at once through it, counted against the pace.
class IrcOutbox
{
public:
    // How long, with echo-message, the server may be silent about a line before a PING asks.
    static constexpr int StallMs = 2000;

    using Writer = std::function<void(const QByteArray& line)>;
    // A whole line said: whether the server took every piece of it.
    using DeliveryHandler = std::function<void(quint64 ticket, bool taken)>;
    // One piece the server took or refused, as the transcript and the link state want it.
    using PieceHandler = std::function<void(const IrcDelivery::Line& piece, bool taken)>;

    IrcOutbox(IrcTimer& timer, int burst, int intervalMs);

    void SetWriter(Writer writer);
    void SetDeliveryHandler(DeliveryHandler handler);
    void SetPieceHandler(PieceHandler handler);

    // The text as PRIVMSGs from nick to target; its ticket, or 0 when it cannot be sent.
    quint64 Say(const QByteArray& nick, const QByteArray& target, const QByteArray& text);
    void SendNow(const QByteArray& line);

    // In the channel on a fresh connection: lines may go, and the server echoes them or not.
    void Open(bool echoes);
    // Out of the channel or off the server: what waits is dropped and, with what the server
    // did not confirm, counts as not taken.
    void Close();

    void Echoed(const QByteArray& target);
    void Refused(const QByteArray& target);
    // True when the token was one of the outbox's PINGs.
    bool Ponged(const QByteArray& token);

private:
    void written(const QByteArray& line, quint64 ticket);
    void pinged();
    void settle(quint64 ticket, bool taken);
    void progressed();

    struct Ticket
    {
        int Waiting; // pieces not yet taken or refused
        bool Refused;
    };

    IrcSendQueue queue_;
    IrcDelivery delivery_;
    QHash<quint64, Ticket> tickets_;
    quint64 lastTicket_ = 0;
    bool echoes_ = false;
    QTimer stallTimer_;
    Writer writer_;
    DeliveryHandler onDelivered_;
    PieceHandler onPiece_;
};
