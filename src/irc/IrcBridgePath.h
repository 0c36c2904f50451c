#pragma once

#include <QString>

// The socket a bridge for this server, channel and nick listens on when none is named: the same
// 0700 folder as the practice room's, one socket per (URL, nick), so the launcher finds a bridge
// that is already running instead of starting a second one.
QString IrcBridgeSocketPath(const QString& url, const QString& nick);
