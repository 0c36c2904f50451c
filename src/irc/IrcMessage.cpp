#include "irc/IrcMessage.h"

namespace {

bool isCommand(const QByteArray& word)
{
    if (word.isEmpty())
        return false;
    bool digits = true;
    bool letters = true;
    for (const char c : word) {
        digits = digits && c >= '0' && c <= '9';
        letters = letters && ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'));
    }
    return letters || (digits && word.size() == 3);
}

qsizetype skipBlanks(const QByteArray& line, qsizetype at)
{
    while (at < line.size() && line[at] == ' ')
        ++at;
    return at;
}

// The next word from at, moving at past it.
QByteArray nextWord(const QByteArray& line, qsizetype& at)
{
    qsizetype end = line.indexOf(' ', at);
    if (end < 0)
        end = line.size();
    QByteArray word = line.mid(at, end - at);
    at = skipBlanks(line, end);
    return word;
}

} // namespace

QByteArray IrcMessage::PrefixNick() const
{
    qsizetype end = Prefix.size();
    for (const char stop : {'!', '@'}) {
        const qsizetype at = Prefix.indexOf(stop);
        if (at >= 0 && at < end)
            end = at;
    }
    return Prefix.left(end);
}

QByteArray IrcMessage::Param(qsizetype index) const
{
    return index < Params.size() ? Params[index] : QByteArray();
}

std::optional<IrcMessage> IrcMessage::Parse(QByteArray line)
{
    if (line.endsWith('\r'))
        line.chop(1);
    if (line.size() > MaxIncomingBytes || line.contains('\0') || line.contains('\r') ||
        line.contains('\n'))
        return std::nullopt;
    IrcMessage message;
    qsizetype at = skipBlanks(line, 0);
    if (at < line.size() && line[at] == '@')
        nextWord(line, at); // tags nobody asked for
    if (at < line.size() && line[at] == ':') {
        ++at;
        message.Prefix = nextWord(line, at);
        if (message.Prefix.isEmpty())
            return std::nullopt;
    }
    message.Command = nextWord(line, at).toUpper();
    if (!isCommand(message.Command))
        return std::nullopt;
    while (at < line.size()) {
        if (line[at] == ':' || message.Params.size() == 14) {
            if (line[at] == ':')
                ++at;
            message.Params.append(line.mid(at));
            break;
        }
        message.Params.append(nextWord(line, at));
    }
    return message;
}

QByteArray IrcMessage::Format(const QByteArray& command, const QList<QByteArray>& params)
{
    if (!isCommand(command) || params.size() > 15)
        return {};
    QByteArray line = command;
    for (qsizetype i = 0; i < params.size(); ++i) {
        const QByteArray& p = params[i];
        if (p.contains('\r') || p.contains('\n') || p.contains('\0'))
            return {};
        const bool last = i + 1 == params.size();
        const bool needsColon = p.isEmpty() || p.contains(' ') || p.startsWith(':');
        if (needsColon && !last)
            return {};
        line += needsColon ? " :" : " ";
        line += p;
    }
    line += "\r\n";
    return line.size() <= MaxLineBytes ? line : QByteArray();
}

bool IrcMessage::IsCtcp(const QByteArray& text)
{
    return text.startsWith('\x01');
}
