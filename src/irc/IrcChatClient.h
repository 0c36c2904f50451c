#pragma once

#include "chat/ChatClient.h"
#include "irc/IrcTranscript.h"

#include <QObject>

class IrcConnection;

// The chat client's library over IRC: mode 0 says a line in the channel, mode 2 sends a
// private message (an ESP) to a nick; the chat text is the channel's transcript. A call that
// cannot reach IRC now (connecting, reconnecting) answers -1, as a link that is down does.
class IrcChatClient final : public ChatClient
{
public:
    explicit IrcChatClient(IrcConnection& connection);

    std::int16_t InitDDE(const QByteArray& plugin, ChatCallbacks callbacks) override;
    void DapiRegister(const QByteArray& plugin) override;
    void DapiCommunicate(const QByteArray& plugin, std::int16_t mode, const QByteArray& target,
                         const QByteArray& text) override;
    void DapiGetAllText(const QByteArray& plugin) override;
    void DapiUnregister(const QByteArray& plugin) override;
    void KillDDE() override;

    const IrcTranscript& Transcript() const;

private:
    void received(const QByteArray& from, const QByteArray& target, const QByteArray& text);
    void sent(const QByteArray& nick, const QByteArray& target, const QByteArray& text);
    void report(const QByteArray& status);

    IrcConnection& connection_;
    IrcTranscript transcript_;
    ChatCallbacks callbacks_;
    QObject context_; // owns pending deliveries of the chat text
};
