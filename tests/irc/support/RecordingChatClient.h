#pragma once

#include "chat/ChatClient.h"

#include <QByteArray>
#include <QList>

// Passes every call on to a real chat client and keeps what the console said, as the 8-bit
// bytes it handed over, with the status the client gave each line.
class RecordingChatClient final : public ChatClient
{
public:
    struct Said
    {
        std::int16_t Mode;
        QByteArray Target;
        QByteArray Text;
        QByteArray Status;
    };

    explicit RecordingChatClient(ChatClient& client);

    std::int16_t InitDDE(const QByteArray& plugin, ChatCallbacks callbacks) override;
    void DapiRegister(const QByteArray& plugin) override;
    void DapiCommunicate(const QByteArray& plugin, std::int16_t mode, const QByteArray& target,
                         const QByteArray& text) override;
    void DapiGetAllText(const QByteArray& plugin) override;
    void DapiUnregister(const QByteArray& plugin) override;
    void KillDDE() override;

    // Every DapiCommunicate, in order, repeats after a busy status included.
    QList<Said> Lines;

private:
    ChatClient& client_;
    QByteArray lastStatus_;
};
