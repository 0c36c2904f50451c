#pragma once

#include <QByteArray>
#include <QList>

#include <optional>

// One IRC line (RFC 2812) without its CR LF: an optional prefix, a command and its parameters.
// Message tags, should a server send them unasked, are passed over.
struct IrcMessage
{
    // The whole line IRC allows, CR LF included.
    static constexpr qsizetype MaxLineBytes = 512;
    // What a server may send with tags and is still read; anything longer is dropped.
    static constexpr qsizetype MaxIncomingBytes = 8191;

    QByteArray Prefix;        // "nick!user@host" or a server name; empty when the line had none
    QByteArray Command;       // upper case, or three digits
    QList<QByteArray> Params; // the trailing parameter last, without its colon

    // The nick in the prefix (all of a server's name).
    QByteArray PrefixNick() const;
    QByteArray Param(qsizetype index) const;

    // Empty for a malformed line: no command, a bare prefix, NUL or CR inside, too long.
    static std::optional<IrcMessage> Parse(QByteArray line);
    // The line with CR LF; empty when it cannot be sent as one line: a parameter holding CR,
    // LF or NUL, a middle parameter that is empty, has a blank or starts with a colon, or more
    // than 512 bytes in all.
    static QByteArray Format(const QByteArray& command, const QList<QByteArray>& params = {});
    // A CTCP request or reply (an ACTION too): the text starts with byte 1.
    static bool IsCtcp(const QByteArray& text);
};
