#include "console/Corrections.h"

#include "chat/ChatLink.h"
#include "console/Console.h"
#include "console/GameLog.h"
#include "console/Toolkit.h"
#include "game/TurnRules.h"
#include "text/NumberText.h"
#include "text/WagerText.h"

namespace {

TextBoxState& cardBox(Console& console, int index)
{
    return console.controls.cmbStart[static_cast<std::size_t>(index)];
}

// A recovery resumes a turn at a wager whose result, if any was said, the console did not score
// in this run: there is no stake or outcome to take back until it scores one.
bool hasResult(const GameState& g)
{
    return g.LastResult != 0;
}

void toResults(Console& console)
{
    console.game.RoundState = RoundSayResults;
    console.controls.cmdSay.Caption = QStringLiteral("Say Results");
}

// The result taken back, and the log told so: a recovery then asks that wager again instead of
// counting the corrected one as the next card.
void reopenResult(Console& console)
{
    UndoLastResult(console.game);
    LogFixCard(console);
}

} // namespace

void mnuFix_Click(Console& console)
{
    GameState& g = console.game;
    if (g.RoundState != RoundSayWager && g.RoundState != RoundSayResults)
        return;
    ConsoleState& c = console.controls;
    g.RoundState = RoundSayWager;
    c.cmdSay.Caption = QStringLiteral("Say Wager");
    c.txtWager.Text = ScoreText(g.Current().Score);
    c.optHigher.Checked = false;
    c.optLower.Checked = false;
    c.chkAll.Checked = false;
}

void mnuFixCard_Click(Console& console)
{
    console.chat.SayLine(ChatModeRoom, QString(), QStringLiteral("Fixing Card"));
    GameState& g = console.game;
    switch (g.RoundState) {
    case RoundAskForWager:
        if (g.CardIndex < 1 || g.CardIndex > 6 || !hasResult(g))
            return; // no card turned in this turn: nothing of it to undo
        toResults(console);
        cardBox(console, g.CardIndex).Enabled = !g.DeckInPlay; // a dealt card stays
        reopenResult(console);
        return;
    case RoundSayWager:
        if (g.CardIndex < 1 || g.CardIndex > 6 || (g.CardIndex > 1 && !hasResult(g)))
            return;
        cardBox(console, g.CardIndex).Enabled = false;
        --g.CardIndex;
        cardBox(console, g.CardIndex).Enabled = !g.DeckInPlay;
        if (g.CardIndex != 0) {
            toResults(console);
            reopenResult(console);
        } else {
            g.RoundState = RoundAskForWager;
            console.controls.cmdSay.Caption = QStringLiteral("Ask for Wager");
        }
        return;
    case RoundDrawPlayer:
        if (g.DrawnCount <= 0 || g.CardIndex < 1 || g.CardIndex > 6 || !FindLastPlayer(g))
            return; // no turn has ended, or its player has been deleted since
        if (g.DeckRevealed)
            return; // its deck is known to all: the turn cannot go on from it
        toResults(console);
        cardBox(console, g.CardIndex).Enabled = true;
        reopenResult(console);
        console.controls.cmdSay.Enabled = true;
        return;
    default:
        return;
    }
}

bool txtWager_Validate(Console& console)
{
    ConsoleState& c = console.controls;
    if (IsWagerNumber(c.txtWager.Text))
        return true;
    c.Focus = QStringLiteral("txtWager");
    console.toolkit.MessageBox(QStringLiteral("Wager must be a number"), QStringLiteral("Wager"));
    c.txtWager.Text = ScoreText(console.game.Current().Score);
    return false;
}

void chkAll_Click(Console& console)
{
    ConsoleState& c = console.controls;
    if (!c.txtPlayer.Text.isEmpty())
        c.txtWager.Text = ScoreText(console.game.Current().Score);
}
