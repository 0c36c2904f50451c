#include "chat/ChatLink.h"
#include "console/Console.h"
#include "console/GameLog.h"
#include "console/Pacing.h"
#include "console/Roster.h"

bool RegisterPlayer(Console& console, const QString& name, FileSync sync)
{
    if (!AddPlayer(console, name))
        return false;
    AppendPlayersFile(console, name, sync);
    if (console.settings.Confirm) {
        console.chat.SayLine(ChatModeEsp, name, QStringLiteral("You are registered"));
        My_Wait(console.toolkit, console.settings.Delay);
    }
    return true;
}
