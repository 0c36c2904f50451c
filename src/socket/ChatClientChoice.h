#pragma once

#include <QString>
#include <QStringList>

// The socket of the chat client the console is to use: "--chat-client SOCKET" (or
// "--chat-client=SOCKET") on the command line, else the environment's QUILLO_CHAT_CLIENT.
// Empty means the practice room inside the console.
QString ChatClientSocket(const QStringList& arguments, const QString& environmentValue);

// The socket the practice room listens on: "--socket PATH" (or "--socket=PATH"), else empty.
QString RoomSocketArgument(const QStringList& arguments);
