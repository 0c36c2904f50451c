#pragma once

#include "irc/IrcLinkState.h"
#include "irc/IrcMessage.h"
#include "irc/IrcOptions.h"
#include "irc/IrcOutbox.h"
#include "irc/IrcQtTimer.h"
#include "irc/IrcRegistration.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QSslSocket>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>

// The bridge's one connection to an IRC server and channel: it signs on, joins, answers PING,
// hands its lines to the server as fast as the server takes them and learns which it took,
// and when the link is lost it tries again with a growing pause and joins again. Lines from
// the server longer than IRC allows with tags are dropped unread.
class IrcConnection
{
public:
    using PrivmsgHandler = std::function<void(const QByteArray& from, const QByteArray& target,
                                              const QByteArray& text)>;
    // Whether the server took every piece of a line said (false: refused, or not known to
    // have been taken when the link was lost).
    using DeliveryHandler = std::function<void(quint64 ticket, bool taken)>;
    using StateHandler = std::function<void(const IrcLinkState& state)>;

    explicit IrcConnection(const IrcOptions& options);
    ~IrcConnection();

    void Start();
    // Says QUIT and closes; done runs once the server let go, or after a short bound.
    void Quit(const QByteArray& reason, std::function<void()> done);

    bool IsJoined() const;
    QByteArray Nick() const;
    QByteArray Channel() const;
    const IrcLinkState& LinkState() const;
    // Queues a PRIVMSG, split to fit IRC's lines. Its ticket comes back to the delivery handler
    // once the server took or refused it; 0, with nothing queued, unless joined.
    quint64 Say(const QByteArray& target, const QByteArray& text);
    // While a console is attached the nick it knows stays: signing on again asks for it first,
    // and the wanted nick is won back only once no console is attached.
    void SetConsoleAttached(bool attached);

    // Every PRIVMSG from the server, echoes of the bridge's own included.
    void SetPrivmsgHandler(PrivmsgHandler handler);
    // A PRIVMSG of the bridge's own once the server took it, when the server does not echo.
    void SetSentHandler(PrivmsgHandler handler);
    void SetDeliveryHandler(DeliveryHandler handler);
    void SetStateHandler(StateHandler handler);

private:
    enum class State
    {
        Disconnected,
        Connecting,
        Registering,
        Joining,
        Joined
    };

    void connectNow();
    void signOn();
    void readSocket();
    void handle(const IrcMessage& message);
    void handleNumeric(const IrcMessage& message);
    void joined();
    void leftChannel(const QString& why);
    void dropped(const QString& why);
    void scheduleReconnect();
    void checkAlive();
    void regainNick();
    void write(const QByteArray& line);
    void sendAll(const QList<QByteArray>& lines);
    int nextDelay();
    void pieceSettled(const IrcDelivery::Line& piece, bool taken);
    void report(IrcLinkState::Kind kind, const QString& text);
    QString server() const;
    QString channel() const;
    QString inChannelText() const;
    static QString sentence(const QString& text);

    const IrcOptions& options_;
    IrcQtTimer paceTimer_;
    IrcOutbox outbox_;
    std::unique_ptr<QSslSocket> socket_;
    std::optional<IrcRegistration> registration_;
    State state_ = State::Disconnected;
    IrcLinkState linkState_;
    QByteArray nick_;
    QByteArray joinedNick_; // the nick of the last stay in the channel
    QByteArray buffer_;
    bool discarding_ = false; // inside a line too long to read
    bool consoleAttached_ = false;
    bool keptNickSaid_ = false; // logged once a console kept the bridge from its wanted nick
    QString lastError_;
    int failures_ = 0;
    quint64 generation_ = 0; // one per connection, so a dropped one's late signals are ignored
    QTimer reconnectTimer_;
    QTimer rejoinTimer_;
    QTimer aliveTimer_;
    QTimer regainTimer_; // asks for the wanted nick again while an alternative is in use
    QElapsedTimer sinceHeard_;
    bool pinged_ = false;
    bool quitting_ = false;
    std::function<void()> quitDone_;
    PrivmsgHandler onPrivmsg_;
    PrivmsgHandler onSent_;
    StateHandler onState_;
};
