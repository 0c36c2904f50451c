#include "irc/IrcNick.h"

#include <algorithm>

namespace {

bool isLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool isSpecial(char c)
{
    return (c >= 0x5B && c <= 0x60) || (c >= 0x7B && c <= 0x7D);
}

char folded(char c)
{
    if (c >= 'A' && c <= 'Z')
        return static_cast<char>(c - 'A' + 'a');
    switch (c) {
    case '[':
        return '{';
    case ']':
        return '}';
    case '\\':
        return '|';
    case '~':
        return '^';
    default:
        return c;
    }
}

} // namespace

bool IrcNick::IsValid(const QByteArray& nick)
{
    if (nick.isEmpty() || nick.size() > MaxLength)
        return false;
    if (!isLetter(nick[0]) && !isSpecial(nick[0]))
        return false;
    for (const char c : nick) {
        if (!isLetter(c) && !isSpecial(c) && !(c >= '0' && c <= '9') && c != '-')
            return false;
    }
    return true;
}

QByteArray IrcNick::Alternative(const QByteArray& nick, int attempt, int maxLength)
{
    if (attempt < 0 || attempt > MaxAlternatives)
        return {};
    QByteArray suffix;
    if (attempt > 0)
        suffix = attempt == 1 ? QByteArray("_") : QByteArray::number(attempt);
    QByteArray alternative = nick.left(std::max<qsizetype>(1, maxLength - suffix.size()));
    alternative += suffix;
    return alternative;
}

bool IrcNick::Same(const QByteArray& a, const QByteArray& b)
{
    return a.size() == b.size() && Folded(a) == Folded(b);
}

QByteArray IrcNick::Folded(const QByteArray& name)
{
    QByteArray out = name;
    for (char& c : out)
        c = folded(c);
    return out;
}
