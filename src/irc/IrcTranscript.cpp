#include "irc/IrcTranscript.h"

#include "irc/IrcMessage.h"
#include "irc/IrcNick.h"
#include "irc/IrcTextCodec.h"
#include "socket/ChatProtocol.h"
#include "text/Cp1252.h"
#include "text/Gestures.h"

namespace {

// Room for "TEXT " and the line feed, with some to spare.
constexpr qsizetype ProtocolMargin = 1024;

} // namespace

qsizetype IrcTranscript::DefaultLimit()
{
    return MaxChatMessageBytes - ProtocolMargin;
}

IrcTranscript::IrcTranscript(qsizetype limit) : limit_(limit) {}

bool IrcTranscript::AddSaid(const QByteArray& nick, const QByteArray& text)
{
    if (IrcMessage::IsCtcp(text))
        return false;
    return add({}, nick, IrcTextCodec::ToConsole(text));
}

bool IrcTranscript::AddEspFrom(const QByteArray& nick, const QByteArray& text)
{
    if (IrcMessage::IsCtcp(text))
        return false;
    const QString tag = GestureTag(IrcTextCodec::Decode(text));
    return add("ESP from ", nick, tag.isEmpty() ? IrcTextCodec::ToConsole(text) : ToCp1252(tag));
}

bool IrcTranscript::AddEspTo(const QByteArray& nick, const QByteArray& text)
{
    if (IrcMessage::IsCtcp(text))
        return false;
    return add("ESP to ", nick, IrcTextCodec::ToConsole(text));
}

QByteArray IrcTranscript::Text() const
{
    return text_.mid(head_);
}

qsizetype IrcTranscript::EscapedSize() const
{
    return escaped_;
}

bool IrcTranscript::add(const QByteArray& opening, const QByteArray& nick, const QByteArray& shown)
{
    if (!IrcNick::IsValid(nick) || shown.isEmpty())
        return false;
    QByteArray line = opening;
    line += nick;
    line += ": ";
    line += shown;
    line += "\r\n";
    const Line added{line.size(), EscapedFieldSize(line)};
    if (added.Escaped > limit_)
        return false;
    text_ += line;
    lines_.push_back(added);
    escaped_ += added.Escaped;
    while (escaped_ > limit_)
        dropOldest();
    return true;
}

void IrcTranscript::dropOldest()
{
    const Line oldest = lines_.front();
    lines_.pop_front();
    head_ += oldest.Bytes;
    escaped_ -= oldest.Escaped;
    // Move the kept text down only now and then, so dropping stays cheap at the limit.
    if (head_ > text_.size() / 2) {
        text_.remove(0, head_);
        head_ = 0;
    }
}
