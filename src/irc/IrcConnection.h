#pragma once

#include "irc/IrcMessage.h"
#include "irc/IrcOptions.h"
#include "irc/IrcQtTimer.h"
#include "irc/IrcRegistration.h"
#include "irc/IrcSendQueue.h"

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
// paces what it says, and when the link is lost it tries again with a growing pause and joins
// again; lines not yet sent wait for that. Lines from the server longer than IRC allows with
// tags are dropped unread.
class IrcConnection
{
public:
    using PrivmsgHandler = std::function<void(const QByteArray& from, const QByteArray& target,
                                              const QByteArray& text)>;

    explicit IrcConnection(const IrcOptions& options);
    ~IrcConnection();

    void Start();
    // Says QUIT and closes; done runs once the server let go, or after a short bound.
    void Quit(const QByteArray& reason, std::function<void()> done);

    bool IsJoined() const;
    QByteArray Nick() const;
    QByteArray Channel() const;
    // Queues a PRIVMSG, split to fit IRC's lines; false (nothing queued) unless joined.
    bool Say(const QByteArray& target, const QByteArray& text);

    // Every PRIVMSG from the server, echoes of the bridge's own included.
    void SetPrivmsgHandler(PrivmsgHandler handler);
    // A PRIVMSG of the bridge's own as it went out, when the server does not echo it.
    void SetSentHandler(PrivmsgHandler handler);

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
    void joined();
    void leftChannel(const char* why);
    void dropped(const QString& why);
    void scheduleReconnect();
    void checkAlive();
    void regainNick();
    void write(const QByteArray& line);
    void sendAll(const QList<QByteArray>& lines);
    int nextDelay();

    const IrcOptions& options_;
    IrcQtTimer paceTimer_;
    IrcSendQueue queue_;
    std::unique_ptr<QSslSocket> socket_;
    std::optional<IrcRegistration> registration_;
    State state_ = State::Disconnected;
    QByteArray nick_;
    QByteArray buffer_;
    bool discarding_ = false; // inside a line too long to read
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
};
