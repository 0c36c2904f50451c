#pragma once

#include "chat/ChatText.h"

#include <QString>

// The name in front of ": " + marker at the marker's last occurrence in a chat text; empty
// when there is none. At most 40 characters before the marker count; cutText gets them and
// all that follows, on the same bytes.
QString HostNameInChat(const ChatText& chatText, const QString& marker,
                       ChatText* cutText = nullptr);
