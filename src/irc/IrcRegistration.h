#pragma once

#include "irc/IrcMessage.h"

#include <QByteArray>
#include <QList>
#include <QSet>

// Signing on to a server, one connection's worth: CAP LS 302 and a request for echo-message
// and sasl where offered, SASL PLAIN, PASS, NICK and USER, an alternative nick while the
// server says the nick is in use, until RPL_WELCOME. CAP END always goes, so servers that
// offer nothing (or know no CAP) sign the bridge on just the same.
class IrcRegistration
{
public:
    // firstNick, when given, is asked for before the wanted nick and its alternatives: the
    // nick the bridge had before it lost the server.
    IrcRegistration(QByteArray nick, QByteArray password, QByteArray saslUser,
                    QByteArray saslPassword, QByteArray firstNick = {});

    // The lines that open the connection.
    QList<QByteArray> Begin();
    // The answer, if any, to one line from the server.
    QList<QByteArray> Handle(const IrcMessage& message);

    bool Welcomed() const;
    // Every alternative nick was in use: the connection is to be dropped and tried later.
    bool GaveUp() const;
    // The nick asked for last, and once welcomed the one the server gave.
    QByteArray Nick() const;
    // The nick asked for, cut as the server wants it: what to win back once it is free.
    QByteArray WantedNick() const;
    bool EchoMessage() const;
    bool SaslDone() const;

private:
    QList<QByteArray> capability(const IrcMessage& message);
    QList<QByteArray> authenticate();
    QList<QByteArray> endCap();
    QList<QByteArray> nextNick(bool refused);

    QByteArray wantedNick_;
    QByteArray firstNick_;
    QByteArray password_;
    QByteArray saslUser_;
    QByteArray saslPassword_;
    QByteArray nick_;
    int attempt_ = 0;
    int nickLimit_; // cut to the RFC's nine once a server refused a longer one
    QSet<QByteArray> offered_;
    bool capEnded_ = false;
    bool echo_ = false;
    bool saslDone_ = false;
    bool welcomed_ = false;
    bool gaveUp_ = false;
};
