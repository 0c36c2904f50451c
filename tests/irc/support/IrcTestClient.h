#pragma once

#include <QByteArray>
#include <QList>
#include <QTcpSocket>

#include <functional>

// One PRIVMSG as a player received it: the sender's nick, the target (a channel or the
// player's nick) and the text, all raw bytes as they came over the wire (UTF-8 on IRC).
struct ReceivedPrivmsg
{
    QByteArray From;
    QByteArray Target;
    QByteArray Text;
};

// A small scripted IRC client, a player in a test: it registers, joins, says lines and sends
// private messages, answers the server's PINGs and records every PRIVMSG it receives, in order.
// Every wait reads the socket through one bounded helper on WaitUntil, so it runs this thread's
// event loop meanwhile.
class IrcTestClient
{
public:
    using Predicate = std::function<bool(const QList<ReceivedPrivmsg>&)>;

    IrcTestClient() = default;
    IrcTestClient(const IrcTestClient&) = delete;
    IrcTestClient& operator=(const IrcTestClient&) = delete;

    // Connects to 127.0.0.1:port and registers; true once the server welcomed the nick
    // (false if it is in use, refused or the wait ran out). Again after a lost connection, the
    // messages received before are kept.
    bool Connect(quint16 port, const QByteArray& nick, int timeoutMs = 10000);
    // Joins and waits until the server listed the channel's names.
    bool Join(const QByteArray& channel, int timeoutMs = 10000);
    void Say(const QByteArray& channel, const QByteArray& text);
    void Esp(const QByteArray& nick, const QByteArray& text);
    // Any line, for what the helpers above do not cover; CR LF is added.
    void SendRaw(const QByteArray& line);
    void Quit();
    bool Connected() const;
    QByteArray Nick() const;

    // Reads until the predicate holds over everything received so far; false after timeoutMs.
    bool WaitFor(const Predicate& predicate, int timeoutMs = 10000);
    // Reads until a raw line from the server satisfies the predicate; false after timeoutMs.
    bool WaitForLine(const std::function<bool(const QByteArray&)>& predicate,
                     int timeoutMs = 10000);
    // Waits until `count` messages have come from `from` (to a channel or privately).
    bool WaitForCountFrom(const QByteArray& from, qsizetype count, int timeoutMs = 10000);
    // A PING to the server and its PONG back: once it is back, the server has handled every line
    // this client sent before it.
    bool RoundTrip(int timeoutMs = 10000);
    // Reads until the connection is gone (the server ended or dropped it).
    bool WaitForDisconnect(int timeoutMs = 10000);

    const QList<ReceivedPrivmsg>& Received() const;
    // The texts received from one nick, in order; a target narrows them to one channel or nick.
    QList<QByteArray> TextsFrom(const QByteArray& from, const QByteArray& target = {}) const;
    // Every line the server sent, CR LF taken off, in order.
    const QList<QByteArray>& Lines() const;

private:
    void Write(const QByteArray& line);
    // Reads the socket until `done` holds over the lines read each time, or the connection is
    // gone, or timeoutMs has passed; whether `done` held.
    bool ReadUntil(const std::function<bool(const QList<QByteArray>& fresh)>& done, int timeoutMs);
    // Takes what the socket has, line by line; returns the raw lines read this time.
    QList<QByteArray> ReadLines();
    void Handle(const QByteArray& line);

    QTcpSocket socket_;
    QByteArray nick_;
    QByteArray buffer_;
    QList<ReceivedPrivmsg> received_;
    QList<QByteArray> lines_;
    int roundTrips_ = 0;
};
