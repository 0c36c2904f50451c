#include "console/Corrections.h"
#include "console/Roster.h"
#include "support/GameTable.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Bob alone and drawn, the face-up card picked, ready to ask for the first wager.
void bobFacing(GameTable& t, const QString& card)
{
    t.OpenWith({u"Bob"_s});
    t.Click();
    t.console.controls.cmbStart[0].Text = card;
}

void play(GameTable& t, const QString& stake, bool higher, const QString& turned)
{
    ConsoleState& c = t.console.controls;
    t.Click(); // ask
    c.txtWager.Text = stake;
    c.optHigher.Checked = higher;
    c.optLower.Checked = !higher;
    t.Click(); // say wager
    c.cmbStart[static_cast<std::size_t>(t.console.game.CardIndex)].Text = turned;
    t.Click(); // say results
}

} // namespace

TEST(Corrections, FixCardUndoesAWinSoTheCardCanBeScoredAgain)
{
    GameTable t;
    Console& c = t.console;
    bobFacing(t, u"5"_s);
    play(t, u"5"_s, true, u"9"_s);
    ASSERT_EQ(c.game.Current().Score, 15.0f);
    t.NewLines();
    t.toolkit.Pauses.clear();

    mnuFixCard_Click(c);
    EXPECT_EQ(t.NewLines(), QStringList{u"Fixing Card"_s});
    EXPECT_TRUE(t.toolkit.Pauses.isEmpty());
    EXPECT_EQ(c.game.Current().Score, 10.0f);
    EXPECT_EQ(c.game.RoundState, RoundSayResults);
    EXPECT_EQ(c.controls.cmdSay.Caption, u"Say Results"_s);
    EXPECT_TRUE(c.controls.cmbStart[1].Enabled);

    c.controls.cmbStart[1].Text = u"3"_s;
    t.Click();
    EXPECT_EQ(t.NewLines(), (QStringList{u"¤   3   ¤"_s, u"awwww  Bob loses 5 points"_s}));
    EXPECT_EQ(c.game.Current().Score, 5.0f);
    // The log keeps both wager lines for the same face-up card, with the line between them
    // that tells a recovery the second replaces the first.
    EXPECT_TRUE(t.LogBytes().endsWith(
        " 10    5  5      higher\r\nFixing Card\r\n 10    5  5      higher\r\n"));
}

TEST(Corrections, FixCardGivesAFractionalStakeBackExactlyAndLeavesPushesAlone)
{
    GameTable t;
    Console& c = t.console;
    bobFacing(t, u"5"_s);
    play(t, u"2.5"_s, true, u"9"_s);
    ASSERT_EQ(c.game.Current().Score, 12.5f);
    mnuFixCard_Click(c);
    EXPECT_EQ(c.game.Current().Score, 10.0f);
    EXPECT_EQ(c.game.Current().Wager, 2.5f);

    c.controls.cmbStart[1].Text = u"5"_s; // a push after all
    t.Click();
    EXPECT_EQ(c.game.Current().Score, 10.0f);
    mnuFixCard_Click(c);
    EXPECT_EQ(c.game.Current().Score, 10.0f);
    EXPECT_EQ(c.game.RoundState, RoundSayResults);
}

TEST(Corrections, FixCardWhileTheNextWagerIsTakenStepsBackOneCard)
{
    GameTable t;
    Console& c = t.console;
    bobFacing(t, u"5"_s);
    t.Click(); // asked: at "Say Wager" on the first card
    mnuFixCard_Click(c);
    EXPECT_EQ(c.game.RoundState, RoundAskForWager);
    EXPECT_EQ(c.controls.cmdSay.Caption, u"Ask for Wager"_s);
    EXPECT_EQ(c.game.CardIndex, 0);
    EXPECT_TRUE(c.controls.cmbStart[0].Enabled);
    EXPECT_FALSE(c.controls.cmbStart[1].Enabled);
    EXPECT_EQ(c.game.Current().Score, 10.0f);

    c.controls.cmbStart[0].Text = u"5"_s;
    play(t, u"4"_s, false, u"2"_s); // a win: 14
    t.Click();                      // asked on the 2: at "Say Wager", card 2 to be turned
    mnuFixCard_Click(c);
    EXPECT_EQ(c.game.RoundState, RoundSayResults);
    EXPECT_EQ(c.game.CardIndex, 1);
    EXPECT_TRUE(c.controls.cmbStart[1].Enabled);
    EXPECT_FALSE(c.controls.cmbStart[2].Enabled);
    EXPECT_EQ(c.game.Current().Score, 10.0f);
}

TEST(Corrections, FixCardWithNothingToUndoOnlySaysSo)
{
    GameTable t;
    Console& c = t.console;
    mnuFixCard_Click(c); // at "Start"
    EXPECT_EQ(c.game.RoundState, RoundStart);

    t.OpenWith({u"Bob"_s});
    mnuFixCard_Click(c); // at "Draw Player" before anyone was drawn
    EXPECT_EQ(c.game.RoundState, RoundDrawPlayer);

    t.Click();
    mnuFixCard_Click(c); // at "Ask for Wager" on the first card: no result of this turn yet
    EXPECT_EQ(c.game.RoundState, RoundAskForWager);

    c.controls.cmbStart[0].Text = u"5"_s;
    t.Click();
    c.controls.txtWager.Text = u"5"_s;
    c.controls.optHigher.Checked = true;
    t.Click();
    mnuFixCard_Click(c); // at "Say Results": the card is still to be picked
    EXPECT_EQ(c.game.RoundState, RoundSayResults);
    EXPECT_EQ(c.game.Current().Score, 10.0f);
    EXPECT_EQ(t.room.SaidLines().count(u"Fixing Card"_s), 4);
    EXPECT_FALSE(t.LogBytes().contains("Fixing Card")); // nothing was taken back
}

TEST(Corrections, FixCardAfterTheGamesLastTurnFindsThePlayerAgain)
{
    GameTable t;
    Console& c = t.console;
    bobFacing(t, u"5"_s);
    play(t, u"10"_s, true, u"2"_s); // loses everything: the turn and the game are over
    ASSERT_EQ(c.game.RoundState, RoundDrawPlayer);
    ASSERT_EQ(c.game.CurrentPlayer, 0);
    ASSERT_FALSE(c.controls.cmdSay.Enabled);

    mnuFixCard_Click(c);
    EXPECT_EQ(c.game.CurrentPlayer, 1);
    EXPECT_EQ(c.game.Current().Score, 10.0f);
    EXPECT_EQ(c.game.RoundState, RoundSayResults);
    EXPECT_EQ(c.controls.cmdSay.Caption, u"Say Results"_s);
    EXPECT_TRUE(c.controls.cmdSay.Enabled);
    EXPECT_TRUE(c.controls.cmbStart[1].Enabled);

    c.controls.cmbStart[1].Text = u"9"_s; // the card was a 9: Bob wins and plays on
    t.NewLines();
    t.Click();
    EXPECT_EQ(t.NewLines(), (QStringList{u"¤   9   ¤"_s, u"wtg!  Bob gets 10 points"_s}));
    EXPECT_EQ(c.game.RoundState, RoundAskForWager);
    EXPECT_EQ(c.game.Current().Score, 20.0f);
    EXPECT_TRUE(c.controls.cmdSay.Enabled);
}

TEST(Corrections, FixWagerReturnsToSayWagerOnlyOnceAWagerIsUnderWay)
{
    GameTable t;
    Console& c = t.console;
    mnuFix_Click(c);
    EXPECT_EQ(c.game.RoundState, RoundStart);
    bobFacing(t, u"5"_s);
    mnuFix_Click(c);
    EXPECT_EQ(c.game.RoundState, RoundAskForWager);

    t.Click();
    c.controls.txtWager.Text = u"7"_s;
    c.controls.optLower.Checked = true;
    t.Click();
    ASSERT_EQ(c.game.RoundState, RoundSayResults);
    c.controls.chkAll.Checked = true;
    mnuFix_Click(c);
    EXPECT_EQ(c.game.RoundState, RoundSayWager);
    EXPECT_EQ(c.controls.cmdSay.Caption, u"Say Wager"_s);
    EXPECT_EQ(c.controls.txtWager.Text, u"10"_s);
    EXPECT_FALSE(c.controls.optHigher.Checked || c.controls.optLower.Checked);
    EXPECT_FALSE(c.controls.chkAll.Checked);
    EXPECT_EQ(c.game.CardIndex, 1);

    t.NewLines();
    c.controls.txtWager.Text = u"3"_s;
    c.controls.optHigher.Checked = true;
    t.Click();
    EXPECT_EQ(t.NewLines(), QStringList{u"OK 3 higher.  Please turn card 1"_s});
}

TEST(Corrections, WagerBoxAndAllFillInTheScore)
{
    GameTable t;
    Console& c = t.console;
    t.Click();
    RegisterPlayer(c, u"Bob"_s);
    ASSERT_EQ(c.controls.txtPlayer.Text, u"(no players)"_s); // nobody drawn yet
    c.controls.txtWager.Text = u"x"_s;
    chkAll_Click(c); // nobody drawn: slot 0's score
    EXPECT_EQ(c.controls.txtWager.Text, u"0"_s);

    t.Click();
    c.game.Current().Score = 25;
    c.controls.chkAll.Checked = true;
    chkAll_Click(c);
    EXPECT_EQ(c.controls.txtWager.Text, u"25"_s);

    c.controls.txtWager.Text = u"7"_s;
    EXPECT_TRUE(txtWager_Validate(c));
    EXPECT_TRUE(t.toolkit.Boxes.isEmpty());
    c.controls.txtWager.Text = u"seven"_s;
    EXPECT_FALSE(txtWager_Validate(c));
    ASSERT_EQ(t.toolkit.Boxes.size(), 1);
    EXPECT_EQ(t.toolkit.Boxes[0].Text, u"Wager must be a number"_s);
    EXPECT_EQ(t.toolkit.Boxes[0].Title, u"Wager"_s);
    EXPECT_EQ(c.controls.txtWager.Text, u"25"_s);
    EXPECT_EQ(c.controls.Focus, u"txtWager"_s);

    c.controls.txtPlayer.Text.clear();
    c.controls.txtWager.Text = u"4"_s;
    chkAll_Click(c);
    EXPECT_EQ(c.controls.txtWager.Text, u"4"_s);
}

TEST(Corrections, FixCardBetweenTurnsReopensTheLastTurnUnlessItsPlayerIsGone)
{
    GameTable t;
    Console& c = t.console;
    t.OpenWith({u"Ann"_s, u"Bob"_s});
    t.DrawOnly(u"Bob"_s);
    c.controls.cmbStart[0].Text = u"5"_s;
    play(t, u"10"_s, true, u"3"_s); // Bob loses all; Ann is still to play
    ASSERT_EQ(c.game.RoundState, RoundDrawPlayer);
    ASSERT_EQ(c.game.Current().Name, u"Bob"_s);

    mnuFixCard_Click(c);
    EXPECT_EQ(c.game.RoundState, RoundSayResults);
    EXPECT_EQ(c.game.Current().Score, 10.0f);
    EXPECT_EQ(c.game.CardIndex, 1);
    EXPECT_TRUE(c.controls.cmbStart[1].Enabled);

    // Bob deleted after his turn: nobody to give the points back to.
    t.Click(); // scores the loss again, back to the draw
    ASSERT_EQ(c.game.RoundState, RoundDrawPlayer);
    c.controls.lstPlayers.SelectedRow = c.game.CurrentPlayer - 1;
    mnuPDelete_Click(c);
    mnuFixCard_Click(c);
    EXPECT_EQ(c.game.RoundState, RoundDrawPlayer);
    EXPECT_EQ(c.game.CurrentPlayer, 0);
    EXPECT_EQ(c.game.PlayerTable[0].Score, 0.0f);
}

TEST(Corrections, AResultIsTakenBackOnlyOnce)
{
    GameTable t;
    Console& c = t.console;
    bobFacing(t, u"5"_s);
    play(t, u"5"_s, true, u"9"_s);  // 15
    play(t, u"3"_s, false, u"4"_s); // 18
    mnuFixCard_Click(c);            // the 4 taken back: 15
    mnuFix_Click(c);                // and its wager
    ASSERT_EQ(c.game.RoundState, RoundSayWager);
    // Stepping back one more card would take the 4's result back a second time.
    mnuFixCard_Click(c);
    EXPECT_EQ(c.game.RoundState, RoundSayWager);
    EXPECT_EQ(c.game.CardIndex, 2);
    EXPECT_EQ(c.game.Current().Score, 15.0f);
    EXPECT_EQ(t.room.SaidLines().count(u"Fixing Card"_s), 2);
    EXPECT_EQ(t.LogBytes().count("Fixing Card"), 1);
}
