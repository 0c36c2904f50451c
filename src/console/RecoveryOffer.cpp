#include "console/RecoveryOffer.h"

#include "console/Console.h"
#include "console/Recovery.h"
#include "console/Toolkit.h"
#include "game/TurnRules.h"
#include "records/GameLogReader.h"
#include "records/Settings.h"
#include "records/TextFile.h"

#include <algorithm>

namespace {

std::optional<QString> readFile(const QString& path)
{
    auto read = ReadTextFile(path);
    if (std::holds_alternative<FileError>(read))
        return std::nullopt;
    return std::get<QString>(std::move(read));
}

// One just drawn has logged no card yet.
bool underWay(const LoggedTurn& turn)
{
    return turn.Cards.isEmpty() || TurnGoesOn(turn.Record.Score, turn.Cards.size());
}

} // namespace

bool UnfinishedGameLogged(const Settings& settings)
{
    const std::optional<QString> players = readFile(settings.PlayersFile);
    const std::optional<QString> logText = readFile(settings.LogFile);
    if (!players || !logText)
        return false;
    const GameLogContents log = ReadGameLogText(*logText);
    if (log.Fault)
        return false; // recovery could only fail on it
    QStringList registered = RecordFileLines(*players);
    registered.removeAll(QString());
    if (registered.isEmpty())
        return false;
    if (!log.Turns.empty() && underWay(log.Turns.back()))
        return true;
    return std::any_of(registered.cbegin(), registered.cend(), [&log](const QString& name) {
        return std::none_of(log.Turns.cbegin(), log.Turns.cend(),
                            [&name](const LoggedTurn& turn) { return turn.Record.Name == name; });
    });
}

bool OfferRecovery(Console& console)
{
    if (!console.controls.mnuRecover.Enabled || console.game.RoundState != RoundStart ||
        !UnfinishedGameLogged(console.settings))
        return false;
    const Toolkit::Answer answer = console.toolkit.AskYesNo(
        QStringLiteral("The last game was not finished.\nRecover it now?\n\n"
                       "(File > Recover does the same until a game is started.)"),
        QStringLiteral("Recover"));
    if (answer == Toolkit::Answer::Yes)
        RecoverGame(console);
    return true;
}
