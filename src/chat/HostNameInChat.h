#pragma once

#include <QString>

// The name in front of ": " + marker at the marker's last occurrence in a chat text; empty
// when there is none. At most 40 characters before the marker count; cutText gets them and
// all that follows.
QString HostNameInChat(const QString& chatText, const QString& marker, QString* cutText = nullptr);
