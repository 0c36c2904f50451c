#pragma once

#include <QString>

// The socket a bridge for this server, channel and nick listens on when none is named: one
// socket per bridge in the program's own socket folder, so the launcher finds a bridge that is
// already running instead of starting a second one. The bridge is known by what IRC compares:
// the server's name without case, the port (the default one filled in), the channel
// percent-decoded and the channel and nick under the rfc1459 case mapping; so every spelling
// of one place finds the same bridge.
QString IrcBridgeSocketPath(const QString& url, const QString& nick);
QString IrcBridgeSocketPath(const QString& url, const QString& nick, const QString& folder);
