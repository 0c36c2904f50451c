#include "console/GameLog.h"

#include "console/Console.h"
#include "console/ProgramError.h"
#include "records/GameLogFormat.h"

#include <QFile>

namespace {

void appendEntry(Console& console, const QString& path, const QString& text,
                 FileSync sync = FileSync::Now)
{
    if (const auto error = AppendTextFile(path, text, sync))
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

void AppendPlayersFile(Console& console, const QString& name, FileSync sync)
{
    appendEntry(console, console.settings.PlayersFile, name + RecordLineEnd(), sync);
}

void SyncPlayersFile(Console& console)
{
    const QString& path = console.settings.PlayersFile;
    if (!QFile::exists(path))
        return; // nothing was written, and each failed line was reported already
    if (const auto error = SyncTextFile(path))
        ShowProgramError(console.toolkit, *error, path);
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
