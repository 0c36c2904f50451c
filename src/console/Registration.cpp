#include "chat/ChatLink.h"
#include "console/Console.h"
#include "console/GameLog.h"
#include "console/Pacing.h"
#include "console/Roster.h"
#include "records/AppendFile.h"

namespace {

// Without a players file held open, each name is on disk before the confirmation.
bool registerPlayer(Console& console, const QString& name, AppendFile* playersFile)
{
    if (!AddPlayer(console, name))
        return false;
    if (playersFile != nullptr)
        AppendPlayersFile(console, *playersFile, name);
    else
        AppendPlayersFile(console, name);
    if (console.settings.Confirm) {
        console.chat.SayLine(ChatModeEsp, name, QStringLiteral("You are registered"));
        if (playersFile != nullptr)
            playersFile->Close();
        My_Wait(console.toolkit, console.settings.Delay);
    }
    return true;
}

} // namespace

bool RegisterPlayer(Console& console, const QString& name)
{
    return registerPlayer(console, name, nullptr);
}

bool RegisterPlayer(Console& console, const QString& name, AppendFile& playersFile)
{
    return registerPlayer(console, name, &playersFile);
}
