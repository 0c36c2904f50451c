#include "console/RoundSteps.h"

#include "chat/ChatLink.h"
#include "console/Console.h"
#include "console/Dealing.h"
#include "console/GameLog.h"
#include "console/Pacing.h"
#include "console/Placeholders.h"
#include "console/Roster.h"
#include "console/Toolkit.h"
#include "game/TurnRules.h"
#include "text/Cards.h"
#include "text/NumberText.h"
#include "text/WagerText.h"

namespace {

TextBoxState& cardBox(Console& console, int index)
{
    return console.controls.cmbStart[static_cast<std::size_t>(index)];
}

// A step that says several lines stops when the host deletes its player in one of the pauses:
// the roster has then already sent the round back to the draw, and the rest of the step would
// score and announce a turn for nobody.
class PlayerWatch
{
public:
    explicit PlayerWatch(const GameState& game) : game_(game), had_(game.CurrentPlayer != 0) {}
    bool gone() const
    {
        return had_ && game_.CurrentPlayer == 0;
    }

private:
    const GameState& game_;
    bool had_;
};

void noCard(Console& console)
{
    console.toolkit.MessageBox(QStringLiteral("No card selected!"), QStringLiteral("Select Card"));
}

} // namespace

void ClearGuess(Console& console)
{
    ConsoleState& c = console.controls;
    c.optHigher.Checked = false;
    c.optLower.Checked = false;
    c.chkAll.Checked = false;
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
    DealDeck(console);
    SayMessage(console, console.settings.Call);
    if (g.CurrentPlayer == 0)
        return; // deleted while the call was said: the roster already went back to the draw

    c.cmdSay.Caption = QStringLiteral("Ask for Wager");
    g.RoundState = RoundAskForWager;
    g.CardIndex = 0;
    // A dealt turn's face-up card is the deck's first; the host picks only undealt cards.
    c.cmbStart[0].Text = DealtCard(console, 0);
    c.cmbStart[0].Enabled = !g.DeckInPlay;
    for (std::size_t i = 1; i < c.cmbStart.size(); ++i) {
        c.cmbStart[i].Text.clear();
        c.cmbStart[i].Enabled = false;
    }
}

void AskForWager(Console& console)
{
    const PlayerWatch watch(console.game);
    GameState& g = console.game;
    ConsoleState& c = console.controls;
    if (g.CardIndex < 0 || g.CardIndex > 5)
        return;
    const QString card = cardBox(console, g.CardIndex).Text;
    if (!IsValidCard(card)) {
        noCard(console);
        return;
    }
    const PlayerRecord& player = g.Current();
    SayAndPause(console, player.Name + QStringLiteral(" has ") + ScoreText(player.Score) +
                             QStringLiteral(" points"));
    if (watch.gone())
        return;
    SayAndPause(console, CardArticle(card) + card + QStringLiteral(".  What is your wager?"));
    if (watch.gone())
        return;

    g.RoundState = RoundSayWager;
    c.cmdSay.Caption = QStringLiteral("Say Wager");
    cardBox(console, g.CardIndex).Enabled = false;
    ++g.CardIndex;
    cardBox(console, g.CardIndex).Enabled = !g.DeckInPlay;
}

void SayWager(Console& console)
{
    const PlayerWatch watch(console.game);
    GameState& g = console.game;
    ConsoleState& c = console.controls;
    if (g.CardIndex < 1 || g.CardIndex > 6)
        return;
    PlayerRecord& player = g.Current();
    if (c.chkAll.Checked)
        c.txtWager.Text = ScoreText(player.Score);
    const auto typed = ParseWager(c.txtWager.Text);
    if (!typed) {
        console.toolkit.MessageBox(QStringLiteral("Invalid Wager!!!"), QStringLiteral("Fix Wager"));
        c.txtWager.Text = ScoreText(player.Score);
        return;
    }
    player.Wager = *typed;
    if (player.Wager > player.Score) {
        player.Wager = player.Score;
        c.txtWager.Text = ScoreText(player.Score);
    }

    if (player.Wager > 0) {
        QString guess;
        if (c.optHigher.Checked) {
            player.Higher = true;
            guess = QStringLiteral(" higher. ");
        } else if (c.optLower.Checked) {
            player.Higher = false;
            guess = QStringLiteral(" lower. ");
        } else {
            console.toolkit.MessageBox(QStringLiteral("Select Higher/Lower!"),
                                       QStringLiteral("Not Selected"));
            return;
        }
        SayMessage(console, QStringLiteral("OK ") + ScoreText(player.Wager) + guess +
                                QStringLiteral(" Please turn card ") +
                                QString::number(g.CardIndex));
        if (watch.gone())
            return;
        g.RoundState = RoundSayResults;
        c.cmdSay.Caption = QStringLiteral("Say Results");
        return;
    }

    SayMessage(console, QStringLiteral("Wager can not be zero (0)!"));
    if (watch.gone())
        return;
    c.cmdSay.Caption = QStringLiteral("Ask for Wager");
    g.RoundState = RoundAskForWager;
    cardBox(console, g.CardIndex).Enabled = false;
    --g.CardIndex;
    cardBox(console, g.CardIndex).Enabled = !g.DeckInPlay;
    c.txtWager.Text = ScoreText(g.Current().Score);
}

void SayResults(Console& console)
{
    const PlayerWatch watch(console.game);
    GameState& g = console.game;
    ConsoleState& c = console.controls;
    if (g.CardIndex < 1 || g.CardIndex > 6)
        return;
    cardBox(console, g.CardIndex).Enabled = false;
    if (g.DeckInPlay) // the deck turns the card; after a Fix Card, the same one again
        cardBox(console, g.CardIndex).Text = DealtCard(console, g.CardIndex);
    const QString card = cardBox(console, g.CardIndex).Text;
    const QString reveal = QStringLiteral("¤   ") + card + QStringLiteral("   ¤");
    if (!IsValidCard(card)) {
        noCard(console);
        cardBox(console, g.CardIndex).Enabled = true;
        return;
    }
    const QString previous = cardBox(console, g.CardIndex - 1).Text;
    WriteLog(console, previous, QString());

    const std::int32_t outcome = ScoreTurnedCard(g, previous, card);
    const Settings& settings = console.settings;
    const QString result = outcome == ResultPush  ? settings.Push
                           : outcome == ResultWin ? settings.WTG
                                                  : settings.Lose;
    SayMessage(console, reveal);
    if (watch.gone())
        return;
    SayMessage(console, result);
    if (watch.gone())
        return;

    if (g.Current().Score != 0 && g.CardIndex != 6) {
        c.txtWager.Text = ScoreText(g.Current().Score);
        ClearGuess(console);
        c.cmdSay.Caption = QStringLiteral("Ask for Wager");
        g.RoundState = RoundAskForWager;
        return;
    }

    WriteLog(console, previous, card);
    c.txtPlayer.Text.clear();
    c.txtWager.Text = QStringLiteral("0");
    ClearGuess(console);
    c.cmdSay.Caption = QStringLiteral("Draw Player");
    g.RoundState = RoundDrawPlayer;
    const PlayerRecord& done = g.Current();
    SayMessage(console, done.Name + QStringLiteral(" has ") + ScoreText(done.Score) +
                            QStringLiteral(" points.  Thanks for playing"));
    RevealDeck(console);
    for (std::size_t i = 1; i < c.cmbStart.size(); ++i)
        c.cmbStart[i].Enabled = false;
    SortRoster(console);
    ShowRoster(console);
}
