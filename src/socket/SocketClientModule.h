#pragma once

#include <QString>

class ChatClient;

// The console's client side of the socket is a module of its own, loaded only when a chat
// client is named: the practice room's start never loads QtNetwork. The module's one entry
// makes a SocketChatClient for the socket; the caller owns it.
using OpenSocketClientEntry = ChatClient* (*)(const QString& socket);

// The module's file name, without the platform's suffix, and the entry's symbol.
inline constexpr char SocketClientModuleName[] = "quillo-socket-client";
inline constexpr char OpenSocketClientSymbol[] = "QuilloOpenSocketClient";
