#pragma once

#include <QString>
#include <QStringList>

// What "quillo --irc URL --nick NICK [bridge options]" asks for. The bridge's own options
// (--insecure, --sasl-user, pacing and reconnect times) pass through to the bridge it starts.
struct IrcLaunchArguments
{
    bool Requested = false; // --irc was given
    QString Url;
    QString Nick;
    QStringList BridgeOptions;
    QString Error; // a command line that cannot be followed; empty when it can
};

// Reads the console's command line (program name first); "--option VALUE" and "--option=VALUE"
// both work.
IrcLaunchArguments ReadIrcLaunchArguments(const QStringList& arguments);
