#include "console/RoundFlow.h"

#include "chat/ChatLink.h"
#include "console/BusyLock.h"
#include "console/Console.h"
#include "console/GameLog.h"
#include "console/HostName.h"
#include "console/Pacing.h"
#include "console/Placeholders.h"
#include "console/Roster.h"
#include "console/RoundSteps.h"
#include "services/Clock.h"
#include "text/FixedLines.h"
#include "text/NumberText.h"

namespace {

void say(Console& console, const QString& line)
{
    console.chat.SayLine(ChatModeRoom, QString(), line);
    My_Wait(console.toolkit, console.settings.Delay);
}

} // namespace

void cmdSay_Click(Console& console)
{
    BeginBusy(console);
    switch (console.game.RoundState) {
    case RoundStart:
        OpenGame(console);
        break;
    case RoundDrawPlayer:
        DrawNextPlayer(console);
        break;
    case RoundAskForWager:
        AskForWager(console);
        break;
    case RoundSayWager:
        SayWager(console);
        break;
    case RoundSayResults:
        SayResults(console);
        break;
    default:
        break;
    }
    EndBusy(console);
}

void ClearGuess(Console& console)
{
    ConsoleState& c = console.controls;
    c.optHigher.Checked = false;
    c.optLower.Checked = false;
    c.chkAll.Checked = false;
}

void OpenGame(Console& console)
{
    GameState& g = console.game;
    ConsoleState& c = console.controls;
    c.mnuRecover.Enabled = false; // a recovery only makes sense before the game is opened
    DetectHostName(console, OpeningBanner());
    g.PlayerCapacity = MaxPlayers;
    const QString registration = QStringLiteral("To register ESP a ") + console.settings.RegChar +
                                 QStringLiteral(" to ") + g.HostName + u'.';
    say(console, VersionLine());
    say(console, ContactLine());
    say(console, registration);

    g.GameStarted = console.clock.Now();
    StartGameLog(console);

    g.RoundState = RoundDrawPlayer;
    c.cmdSay.Caption = QStringLiteral("Draw Player");
    c.cmdSay.Enabled = false;
    c.txtPlayer.Text = QStringLiteral("(no player)");
    g.CardIndex = 0;
    for (std::size_t i = 1; i < c.cmbStart.size(); ++i)
        c.cmbStart[i].Enabled = false;
}

void DrawNextPlayer(Console& console)
{
    GameState& g = console.game;
    ConsoleState& c = console.controls;
    if (!DrawPlayer(console)) {
        console.chat.SayLine(ChatModeRoom, QString(),
                             QStringLiteral("---  All players have been drawn  ---"));
        return;
    }
    PlayerRecord& player = g.Current();
    c.txtPlayer.Text = player.Name;
    player.Score = console.settings.Start;
    c.txtWager.Text = ScoreText(player.Score);
    ClearGuess(console);
    WriteLog(console, QString(), QString());
    SayMessage(console, console.settings.Call);
    if (g.CurrentPlayer == 0)
        return; // deleted while the call was said: the roster already went back to the draw

    c.cmdSay.Caption = QStringLiteral("Ask for Wager");
    g.RoundState = RoundAskForWager;
    g.CardIndex = 0;
    c.cmbStart[0].Text.clear();
    c.cmbStart[0].Enabled = true;
    for (std::size_t i = 1; i < c.cmbStart.size(); ++i) {
        c.cmbStart[i].Text.clear();
        c.cmbStart[i].Enabled = false;
    }
}
