#pragma once

#include <QString>

struct Console;

// How long host-name detection keeps reading the chat for its own line before it gives up.
inline constexpr int HostNameGiveUpMs = 10000;

// Says the marker, then finds the host's avatar name in front of its last occurrence in the
// chat text and stores it in HostName. Gives up after giveUpMs, leaving "Unknown", when the
// marker never shows; a marker without ": " in front of it also leaves "Unknown".
void DetectHostName(Console& console, const QString& marker, int giveUpMs = HostNameGiveUpMs);
