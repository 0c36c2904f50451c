#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// Where the bridge stands with the server, as the host is told it: the value of the
// chat-client protocol's NOTIFY, the bridge's nick and a line of text for the host.
struct IrcLinkState
{
    enum class Kind : std::int16_t
    {
        InChannel = 0,
        Connecting = 1, // connecting, signing on or joining; again after a loss
        Muted = 2,      // in the channel, but the server refused a line there
        NickChanged = 3 // players must now send their ESPs to Nick
    };

    Kind State = Kind::Connecting;
    QByteArray Nick;
    QString Text;
};
