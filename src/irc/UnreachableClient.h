#pragma once

#include "irc/IrcLaunchArguments.h"

#include <QString>

// What the console writes to standard error when the chat client at `socket` does not answer
// at start-up: the socket, and what to start there. `irc` tells a bridge from another client.
QString UnreachableClientNote(const QString& socket, const IrcLaunchArguments& irc);
