#pragma once

#include <QString>

struct Console;

// How long host-name detection keeps reading the chat for its own line before it gives up.
inline constexpr int HostNameGiveUpMs = 10000;

// Says the marker, then finds the host's avatar name in front of its last occurrence in the
// chat text and stores it in HostName. Gives up after giveUpMs, leaving "Unknown", when the
// marker never shows; a marker without ": " in front of it also leaves "Unknown".
void DetectHostName(Console& console, const QString& marker, int giveUpMs = HostNameGiveUpMs);

// The name in front of ": " + marker at the marker's last occurrence in a chat text; empty
// when there is none. At most 40 characters before the marker count; cutText gets them and
// all that follows.
QString HostNameInChat(const QString& chatText, const QString& marker, QString* cutText = nullptr);
