#pragma once

#include <QString>

#include <cstdint>

// The values of a chat client's "NOTIFY first value second" that report its link to the chat.
// For each, first is the client's current nick and second the text to show the host.
inline constexpr std::int16_t LinkInChannel = 0;
inline constexpr std::int16_t LinkConnecting = 1;  // or reconnecting; second names the last error
inline constexpr std::int16_t LinkCannotSpeak = 2; // in the channel, but a line was refused
inline constexpr std::int16_t LinkNickChanged = 3; // the players must now ESP the nick in first

// What the chat client last reported about its link.
struct ChatLinkState
{
    bool Reported = false; // false until the client reports a state; the practice room never does
    std::int16_t Value = LinkInChannel;
    QString Nick;
    QString Text;
};
