#include "chat/ChatLink.h"
#include "chat/Pacing.h"
#include "game/Console.h"
#include "game/Roster.h"
#include "records/GameLog.h"

void RegisterPlayer(Console& console, const QString& name)
{
    if (!AddPlayer(console, name))
        return;
    AppendPlayersFile(console, name);
    if (console.settings.Confirm) {
        console.chat.SayLine(2, name, QStringLiteral("You are registered"));
        My_Wait(console.toolkit, console.settings.Delay);
    }
}
