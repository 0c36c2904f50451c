#include "chat/ChatLink.h"
#include "console/Console.h"
#include "console/GameLog.h"
#include "console/Pacing.h"
#include "console/Roster.h"

void RegisterPlayer(Console& console, const QString& name)
{
    if (!AddPlayer(console, name))
        return;
    AppendPlayersFile(console, name);
    if (console.settings.Confirm) {
        console.chat.SayLine(ChatModeEsp, name, QStringLiteral("You are registered"));
        My_Wait(console.toolkit, console.settings.Delay);
    }
}
