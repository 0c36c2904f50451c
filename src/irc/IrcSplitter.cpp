#include "irc/IrcSplitter.h"

#include "irc/IrcMessage.h"

#include <algorithm>

namespace {

// The user name (with a "~" for an unchecked one) and the host name a server may put in the
// prefix; a cloaked or IPv6 host is about this long at most.
constexpr qsizetype PrefixUserBytes = 11;
constexpr qsizetype PrefixHostBytes = 63;
// Below this a text would be cut into absurdly many pieces; a target that long is refused
// by the server anyway.
constexpr qsizetype LeastRoom = 64;

bool isContinuation(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

} // namespace

qsizetype IrcSplitter::TextRoom(const QByteArray& nick, const QByteArray& target)
{
    const qsizetype prefix = 1 + nick.size() + 1 + PrefixUserBytes + 1 + PrefixHostBytes + 1;
    const qsizetype command = qsizetype(sizeof("PRIVMSG ") - 1) + target.size() + 2;
    return std::max(LeastRoom, IrcMessage::MaxLineBytes - 2 - prefix - command);
}

QList<QByteArray> IrcSplitter::Split(const QByteArray& text, qsizetype room)
{
    QList<QByteArray> pieces;
    qsizetype at = 0;
    while (text.size() - at > room) {
        // A blank right after the room still ends a piece that fits.
        qsizetype cut = text.lastIndexOf(' ', at + room);
        qsizetype next = cut + 1;
        if (cut <= at) {
            cut = at + room;
            while (cut > at + 1 && isContinuation(text[cut]))
                --cut;
            next = cut;
        }
        if (cut > at)
            pieces.append(text.mid(at, cut - at));
        at = next;
    }
    if (at < text.size() || pieces.isEmpty())
        pieces.append(text.mid(at));
    return pieces;
}
