#pragma once

#include <QByteArray>
#include <QList>

// Cuts a text that would not fit one IRC line into pieces that do, so the server never cuts
// it. A piece ends at a blank (the blank itself is not sent); only a word longer than a whole
// line is cut inside, and never within a UTF-8 character.
class IrcSplitter
{
public:
    // Room on a 512-byte line for the text of "PRIVMSG target :text" that a server passes on
    // as ":nick!user@host PRIVMSG target :text" CR LF, with the longest user and host a server
    // commonly shows.
    static qsizetype TextRoom(const QByteArray& nick, const QByteArray& target);
    static QList<QByteArray> Split(const QByteArray& text, qsizetype room);
};
