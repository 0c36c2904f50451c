#include "game/Corrections.h"

#include "chat/ChatLink.h"
#include "game/Console.h"
#include "game/NumberText.h"
#include "game/Toolkit.h"
#include "game/WagerText.h"
#include "records/GameLog.h"

namespace {

TextBoxState& cardBox(Console& console, int index)
{
    return console.controls.cmbStart[static_cast<std::size_t>(index)];
}

void toResults(Console& console)
{
    console.game.RoundState = 4;
    console.controls.cmdSay.Caption = QStringLiteral("Say Results");
}

// Takes back the last result from the current player: its stake and guess come back, and
// the points it won or lost are returned.
void undoLastResult(GameState& g)
{
    PlayerRecord& player = g.current();
    player.Wager = g.LastWager;
    player.Higher = g.LastHigher;
    if (g.LastResult == 1)
        player.Score -= player.Wager;
    else if (g.LastResult == 2)
        player.Score += player.Wager;
}

// The result taken back, and the log told so: a recovery then asks that wager again instead of
// counting the corrected one as the next card.
void reopenResult(Console& console)
{
    undoLastResult(console.game);
    LogFixCard(console);
}

// After a game's last turn the unlock has let go of the player; find it again by name.
bool findLastPlayer(GameState& g)
{
    if (g.CurrentPlayer != 0)
        return true;
    for (int i = 1; i <= g.PlayerCount; ++i) {
        if (g.PlayerTable[static_cast<std::size_t>(i)].Name == g.CurrentPlayerCopy.Name &&
            !g.CurrentPlayerCopy.Name.isEmpty()) {
            g.CurrentPlayer = static_cast<std::int16_t>(i);
            return true;
        }
    }
    return false;
}

} // namespace

void mnuFix_Click(Console& console)
{
    GameState& g = console.game;
    if (g.RoundState != 3 && g.RoundState != 4)
        return;
    ConsoleState& c = console.controls;
    g.RoundState = 3;
    c.cmdSay.Caption = QStringLiteral("Say Wager");
    c.txtWager.Text = ScoreText(g.current().Score);
    c.optHigher.Checked = false;
    c.optLower.Checked = false;
    c.chkAll.Checked = false;
}

void mnuFixCard_Click(Console& console)
{
    console.chat.SayLine(0, QString(), QStringLiteral("Fixing Card"));
    GameState& g = console.game;
    switch (g.RoundState) {
    case 2:
        if (g.CardIndex < 1 || g.CardIndex > 6)
            return; // no card turned in this turn: nothing of it to undo
        toResults(console);
        cardBox(console, g.CardIndex).Enabled = true;
        reopenResult(console);
        return;
    case 3:
        if (g.CardIndex < 1 || g.CardIndex > 6)
            return;
        cardBox(console, g.CardIndex).Enabled = false;
        --g.CardIndex;
        cardBox(console, g.CardIndex).Enabled = true;
        if (g.CardIndex != 0) {
            toResults(console);
            reopenResult(console);
        } else {
            g.RoundState = 2;
            console.controls.cmdSay.Caption = QStringLiteral("Ask for Wager");
        }
        return;
    case 1:
        if (g.DrawnCount <= 0 || g.CardIndex < 1 || g.CardIndex > 6 || !findLastPlayer(g))
            return; // no turn has ended, or its player has been deleted since
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
    c.txtWager.Text = ScoreText(console.game.current().Score);
    return false;
}

void chkAll_Click(Console& console)
{
    ConsoleState& c = console.controls;
    if (!c.txtPlayer.Text.isEmpty())
        c.txtWager.Text = ScoreText(console.game.current().Score);
}
