#pragma once

#include <QByteArray>

// Nicknames as IRC spells them: the letters, digits and specials RFC 2812 allows, so a name
// that reaches the console's chat text and record files cannot hold a control character, a
// blank, a colon or a byte above ASCII.
class IrcNick
{
public:
    // Longer than the RFC's nine: today's networks allow about thirty.
    static constexpr int MaxLength = 50;
    // How many alternatives are tried for a nick in use before the bridge waits and retries.
    static constexpr int MaxAlternatives = 10;

    static bool IsValid(const QByteArray& nick);
    // The attempt-th replacement for a nick in use: "Host_", then "Host2", "Host3"...; empty
    // past MaxAlternatives. Attempt 0 is the nick itself. The nick is cut so that the whole
    // stays within maxLength.
    static QByteArray Alternative(const QByteArray& nick, int attempt, int maxLength = MaxLength);
    // Equal under the rfc1459 case mapping ("[]\~" are the capitals of "{}|^").
    static bool Same(const QByteArray& a, const QByteArray& b);
    static QByteArray Folded(const QByteArray& name);
};
