#include "console/Recovery.h"

#include "chat/ChatLink.h"
#include "console/BusyLock.h"
#include "console/Console.h"
#include "console/Dealing.h"
#include "console/GameLog.h"
#include "console/HostName.h"
#include "console/Pacing.h"
#include "console/Placeholders.h"
#include "console/Roster.h"
#include "console/Toolkit.h"
#include "game/RosterRules.h"
#include "game/TurnRules.h"
#include "records/FileError.h"
#include "records/GameLogReader.h"
#include "records/TextFile.h"
#include "text/FixedLines.h"
#include "text/NumberText.h"

#include <QStringList>

#include <algorithm>

namespace {

// A file that could not be read: the box (unless the file is simply not there), the line in
// the chat, and an empty, unopened game.
void recoveryFailed(Console& console, const FileError& error, const QString& path)
{
    if (!IsNotFound(error)) {
        console.toolkit.MessageBox(FileErrorText(error, QStringLiteral("Error with file: ") + path),
                                   QStringLiteral("Recovery ERROR"));
    }
    console.chat.SayLine(ChatModeRoom, QString(), QStringLiteral("Recovery Failed"));
    GameState& g = console.game;
    g.RoundState = RoundStart;
    for (int i = 1; i <= g.PlayerCount; ++i)
        g.PlayerTable[static_cast<std::size_t>(i)] = PlayerRecord{};
    g.PlayerCount = 0;
    ShowRoster(console);
}

FileError logFaultError(LogFault fault)
{
    switch (fault) {
    case LogFault::ShortHeader:
        return FaultError(FileFault::PastEnd);
    case LogFault::NoHostLine:
    case LogFault::BadLine:
        break;
    }
    return FaultError(FileFault::BadLine);
}

void restoreTurn(GameState& g, const PlayerRecord& logged)
{
    if (logged.Name.isEmpty())
        return;
    if (const int slot = RosterSlot(g, logged.Name))
        g.PlayerTable[static_cast<std::size_t>(slot)] = logged;
}

bool restorePlayers(Console& console)
{
    const QString& path = console.settings.PlayersFile;
    auto read = ReadTextFile(path);
    if (auto* error = std::get_if<FileError>(&read)) {
        recoveryFailed(console, *error, path);
        return false;
    }
    // A name that is no longer a valid player (one holding a control character, written by an
    // older version) is left out by RestorePlayer; the rest of the roster comes back.
    for (const QString& line : RecordFileLines(std::get<QString>(read))) {
        if (!line.isEmpty())
            RestorePlayer(console, line);
    }
    return true;
}

// The turn under way, back at its last logged wager: the cards logged so far in their boxes,
// the face-up card's box the one to fill (unless the deck deals it).
DeckResumed resumeTurn(Console& console, const QStringList& cards)
{
    GameState& g = console.game;
    ConsoleState& c = console.controls;
    for (std::size_t i = 0; i < c.cmbStart.size(); ++i) {
        const auto index = static_cast<qsizetype>(i);
        c.cmbStart[i].Text = index < cards.size() ? cards[index] : QString();
        c.cmbStart[i].Enabled = false;
    }
    const DeckResumed deck = ResumeDeck(console, g.Current().Name, cards.mid(0, g.CardIndex + 1));
    c.cmbStart[static_cast<std::size_t>(g.CardIndex)].Enabled = !g.DeckInPlay;
    c.txtPlayer.Text = g.Current().Name;
    c.txtWager.Text = ScoreText(g.Current().Score);
    c.cmdSay.Caption = QStringLiteral("Ask for Wager");
    g.RoundState = RoundAskForWager;
    // The results said before the interruption are not this run's to take back with Fix Card,
    // and a later recovery must know the last logged wager is being asked again.
    g.LastResult = 0;
    LogResumedTurn(console);
    return deck;
}

void resumeBetweenTurns(Console& console)
{
    GameState& g = console.game;
    ConsoleState& c = console.controls;
    c.cmdSay.Caption = QStringLiteral("Draw Player");
    g.RoundState = RoundDrawPlayer;
    g.CardIndex = 0;
    for (std::size_t i = 0; i < c.cmbStart.size(); ++i) {
        c.cmbStart[i].Text.clear();
        c.cmbStart[i].Enabled = i == 0;
    }
}

void recover(Console& console)
{
    GameState& g = console.game;
    console.controls.mnuRecover.Enabled = false;
    DetectHostName(console, OpeningBanner());
    g.PlayerCapacity = MaxPlayers;
    SayAndPause(console, VersionLine());
    SayAndPause(console, ContactLine());
    SayAndPause(console, QStringLiteral("Recovery Started"));

    if (!restorePlayers(console))
        return;
    console.chat.SayLine(ChatModeRoom, QString(), QStringLiteral("Players Recovered"));

    const QString& logPath = console.settings.LogFile;
    auto read = ReadTextFile(logPath);
    if (auto* error = std::get_if<FileError>(&read)) {
        recoveryFailed(console, *error, logPath);
        return;
    }
    const GameLogContents log = ReadGameLogText(std::get<QString>(read));
    // The host line comes before anything else the log could hold wrong.
    if (log.Host && *log.Host != g.HostName) {
        console.chat.SayLine(ChatModeRoom, QString(),
                             QStringLiteral("Recovery failed - different host ") + *log.Host);
        ShowRoster(console);
        return;
    }
    if (log.Fault) {
        recoveryFailed(console, logFaultError(*log.Fault), logPath);
        return;
    }

    // Every block but the last is a finished (or abandoned) turn; the last may be under way.
    PlayerRecord last;
    QStringList lastCards;
    for (std::size_t i = 0; i < log.Turns.size(); ++i) {
        if (i + 1 < log.Turns.size()) {
            restoreTurn(g, log.Turns[i].Record);
        } else {
            last = log.Turns[i].Record;
            lastCards = log.Turns[i].Cards;
        }
    }
    // Past the sixth card the turn cannot be resumed anyway; a log with tens of thousands of
    // card lines must not wrap the 16-bit index round to a negative box number.
    g.CardIndex = static_cast<std::int16_t>(std::clamp<qsizetype>(lastCards.size() - 1, 0, 6));
    if (!last.Name.isEmpty()) {
        g.CurrentPlayerCopy.Name = last.Name;
        restoreTurn(g, last);
    }
    SortRoster(console);

    // A turn is taken up again only for a player the roster holds.
    QString second;
    DeckResumed deck = DeckResumed::NotDealt;
    const bool resumed =
        TurnGoesOn(last.Score, lastCards.size()) && !last.Name.isEmpty() && g.CurrentPlayer != 0;
    if (resumed) {
        deck = resumeTurn(console, lastCards);
        second = QStringLiteral("Current Player is ") + g.Current().Name;
    } else {
        resumeBetweenTurns(console);
        second = QStringLiteral("Let's play Quillo");
    }
    ShowRoster(console);
    SayAndPause(console, QStringLiteral("Scores Recovered"));
    SayAndPause(console, second);
    if (deck == DeckResumed::Lost)
        SayMessage(console, console.settings.DealLost);
    if (!resumed) // a dealt turn that ended before its deck was revealed
        RevealLeftoverDeck(console);
}

} // namespace

void RecoverGame(Console& console)
{
    BeginBusy(console);
    recover(console);
    EndBusy(console);
}
