#include "console/HostName.h"

#include "chat/ChatLink.h"
#include "chat/HostNameInChat.h"
#include "console/Console.h"
#include "console/Pacing.h"

#include <QElapsedTimer>

void DetectHostName(Console& console, const QString& marker, int giveUpMs)
{
    ChatLink& chat = console.chat;
    chat.SayLine(ChatModeRoom, QString(), marker);
    My_Wait(console.toolkit, SpeedFast); // whatever the host's speed
    console.game.HostName = QStringLiteral("Unknown");

    // Read the chat until our own line shows; a client that never shows it must not hang the
    // game opening.
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        chat.ReadAllText();
        if (chat.ReceivedText.LastIndexOf(marker) >= 0) // from the end, where our line stands
            break;
        if (waited.elapsed() >= giveUpMs)
            return;
        My_Wait(console.toolkit, SpeedVeryFast);
    }

    ChatText cut;
    const QString name = HostNameInChat(chat.ReceivedText, marker, &cut);
    chat.ReceivedText = cut;
    if (!name.isEmpty())
        console.game.HostName = name;
}
