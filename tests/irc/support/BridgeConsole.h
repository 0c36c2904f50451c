#pragma once

#include "socket/SocketChatClient.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>

// The console's side of the link to a running bridge, making its calls as the console makes
// them and keeping the status each call was answered with.
class BridgeConsole
{
public:
    explicit BridgeConsole(const QString& socket);

    // What InitDDE returned when this console connected.
    int Init() const;
    // A line said in the channel; the status it was answered with.
    QByteArray Say(const QByteArray& text);
    // An ESP (mode 2) or another mode's call to one nick; the status.
    QByteArray Esp(const QByteArray& nick, const QByteArray& text, std::int16_t mode = ChatModeEsp);
    // The chat text as GETALLTEXT delivers it; empty when it did not come.
    std::optional<QByteArray> ChatText();
    // Waits until the chat text holds the bytes.
    bool ChatTextHas(const QByteArray& bytes, int timeoutMs = 10000);

private:
    SocketChatClient chat_;
    int init_ = -1;
    QByteArray status_;
    QByteArray text_;
    int texts_ = 0;
};
