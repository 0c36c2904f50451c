#pragma once

#include "chat/ChatClient.h"
#include "chat/ChatProtocol.h"

#include <QList>
#include <QLocalSocket>
#include <QObject>
#include <QString>

// The chat client's library across a local socket: each call is one request whose status
// comes back before the call returns; chat text and notifications may come at any time and
// reach their callbacks from the event loop.
class SocketChatClient final : public ChatClient
{
public:
    explicit SocketChatClient(QString socketName, int statusTimeoutMs = 5000);
    ~SocketChatClient() override;

    std::int16_t InitDDE(const QByteArray& plugin, ChatCallbacks callbacks) override;
    void DapiRegister(const QByteArray& plugin) override;
    void DapiCommunicate(const QByteArray& plugin, std::int16_t mode, const QByteArray& target,
                         const QByteArray& text) override;
    void DapiGetAllText(const QByteArray& plugin) override;
    void DapiUnregister(const QByteArray& plugin) override;
    void KillDDE() override;

    bool IsConnected() const;

private:
    bool connectAndInit();
    // Sends one request and waits for its status, which reaches OnStatus before this returns.
    void request(const QByteArray& line);
    std::optional<QByteArray> awaitStatus();
    void pump();
    void deliverPending();
    void keepForLater(ChatMessage message);
    void drop();

    QString socketName_;
    int statusTimeoutMs_;
    QByteArray plugin_;
    ChatCallbacks callbacks_;
    bool initialised_ = false;
    bool waiting_ = false;
    QLocalSocket socket_;
    ChatLineReader reader_;
    QList<ChatMessage> incoming_; // read, not yet handled
    QList<ChatMessage> pending_;  // text and notices waiting for the event loop
    QObject context_;
};
