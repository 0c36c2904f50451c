#include "irc/IrcChatClient.h"

#include "irc/IrcConnection.h"
#include "irc/IrcNick.h"
#include "irc/IrcTextCodec.h"

#include <QTimer>

IrcChatClient::IrcChatClient(IrcConnection& connection) : connection_(connection)
{
    connection_.SetPrivmsgHandler([this](const QByteArray& from, const QByteArray& target,
                                         const QByteArray& text) { received(from, target, text); });
    connection_.SetSentHandler([this](const QByteArray& nick, const QByteArray& target,
                                      const QByteArray& text) { sent(nick, target, text); });
}

std::int16_t IrcChatClient::InitDDE(const QByteArray&, ChatCallbacks callbacks)
{
    // Ready even while IRC is still connecting: the calls say when it cannot be reached.
    callbacks_ = std::move(callbacks);
    return 0;
}

void IrcChatClient::DapiRegister(const QByteArray&)
{
    report("0");
}

void IrcChatClient::DapiCommunicate(const QByteArray&, std::int16_t mode, const QByteArray& target,
                                    const QByteArray& text)
{
    const QByteArray ircText = IrcTextCodec::ToIrc(text);
    bool queued = false;
    if (mode == 0) {
        queued = connection_.Say(connection_.Channel(), ircText);
    } else if (mode == 2) {
        const QByteArray nick = IrcTextCodec::ToIrc(target);
        queued = IrcNick::IsValid(nick) && connection_.Say(nick, ircText);
    }
    report(queued ? "0" : "-1");
}

void IrcChatClient::DapiGetAllText(const QByteArray&)
{
    report("0");
    // The text follows from the event loop, as a chat client's does.
    QTimer::singleShot(0, &context_, [this] {
        if (callbacks_.OnText)
            callbacks_.OnText(transcript_.Text());
    });
}

void IrcChatClient::DapiUnregister(const QByteArray&)
{
    report("0");
}

void IrcChatClient::KillDDE()
{
    callbacks_ = {};
}

const IrcTranscript& IrcChatClient::Transcript() const
{
    return transcript_;
}

void IrcChatClient::received(const QByteArray& from, const QByteArray& target,
                             const QByteArray& text)
{
    const QByteArray nick = connection_.Nick();
    if (IrcNick::Folded(target) == IrcNick::Folded(connection_.Channel()))
        transcript_.AddSaid(from, text);
    else if (IrcNick::Same(target, nick))
        transcript_.AddEspFrom(from, text);
    else if (IrcNick::Same(from, nick))
        transcript_.AddEspTo(target, text); // the server's echo of the host's own ESP
}

void IrcChatClient::sent(const QByteArray& nick, const QByteArray& target, const QByteArray& text)
{
    // An ESP to the host's own nick comes back from the server like any other.
    if (IrcNick::Folded(target) == IrcNick::Folded(connection_.Channel()))
        transcript_.AddSaid(nick, text);
    else if (!IrcNick::Same(target, nick))
        transcript_.AddEspTo(target, text);
}

void IrcChatClient::report(const QByteArray& status)
{
    if (callbacks_.OnStatus)
        callbacks_.OnStatus(status);
}
