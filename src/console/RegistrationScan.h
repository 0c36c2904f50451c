#pragma once

#include "chat/ChatText.h"

struct Console;

// Reads the chat text and registers every sender of an ESP that holds nothing but the
// registration character, counting only what came after the last opening banner; then sorts
// and shows the roster. Without any ESP after the banner nothing at all happens. When nothing
// after the banner registers while avatars not yet in the roster sent their ESP before it,
// a message box tells the host that those players must send it again.
void ScanRegistrations(Console& console);

// The same on a chat text already read, as the client's bytes: the lines after the last banner
// are read where they stand, and only the senders' names are converted.
void ScanChatText(Console& console, const ChatText& chatText);
