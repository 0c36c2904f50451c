#include "console/GameLog.h"

#include "console/Console.h"
#include "console/ProgramError.h"
#include "records/AppendFile.h"
#include "records/GameLogFormat.h"
#include "records/TextFile.h"

#include <QFile>

namespace {

void appendEntry(Console& console, const QString& path, const QString& text)
{
    if (const auto error = AppendTextFile(path, text))
        ShowProgramError(console.toolkit, *error, path);
}

} // namespace

void WriteLog(Console& console, const QString& previousCard, const QString& newCard)
{
    appendEntry(console, console.settings.LogFile,
                TurnLogEntry(console.game, previousCard, newCard));
}

void LogFixCard(Console& console)
{
    appendEntry(console, console.settings.LogFile, FixCardLine() + RecordLineEnd());
}

void LogResumedTurn(Console& console)
{
    appendEntry(console, console.settings.LogFile, ResumedTurnLine() + RecordLineEnd());
}

void AppendPlayersFile(Console& console, const QString& name)
{
    appendEntry(console, console.settings.PlayersFile, name + RecordLineEnd());
}

void AppendPlayersFile(Console& console, AppendFile& playersFile, const QString& name)
{
    if (const auto error = playersFile.Append(name + RecordLineEnd()))
        ShowProgramError(console.toolkit, *error, console.settings.PlayersFile);
}

void SyncPlayersFile(Console& console, AppendFile& playersFile)
{
    // A line that failed was reported already; only what was written is synced.
    if (!playersFile.Unsynced())
        return;
    playersFile.Close();
    console.diskSync.Start(console.settings.PlayersFile);
}

void StartGameLog(Console& console)
{
    const Settings& settings = console.settings;
    QFile::remove(settings.PlayersFile);
    QFile::remove(settings.LogFile);
    const QString header =
        GameLogHeader(settings.MonthlyFile, console.game.GameStarted, console.game.HostName);
    if (const auto error = CreateTextFile(settings.LogFile, header))
        ShowProgramError(console.toolkit, *error, settings.LogFile);
}
