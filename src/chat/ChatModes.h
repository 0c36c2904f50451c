#pragma once

#include <cstdint>

// The modes of a line said through the chat client's library.
inline constexpr std::int16_t ChatModeRoom = 0; // said in the room, for everyone; no target
inline constexpr std::int16_t ChatModeEsp = 2;  // an ESP to the avatar named by the target
