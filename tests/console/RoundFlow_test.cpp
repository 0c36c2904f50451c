#include "console/Roster.h"
#include "support/GameTable.h"
#include "text/Cp1252.h"
#include "text/FixedLines.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString nb(QChar(0x00A0));

QByteArray bytes(const QString& text)
{
    return ToCp1252(text);
}

// Bob alone, drawn, with a 5 face up: ready for "Ask for Wager".
void bobFacing(GameTable& t, const QString& card)
{
    t.OpenWith({u"Bob"_s});
    t.Click();
    t.console.controls.cmbStart[0].Text = card;
    t.NewLines();
}

void wager(GameTable& t, const QString& text, bool higher)
{
    t.console.controls.txtWager.Text = text;
    t.console.controls.optHigher.Checked = higher;
    t.console.controls.optLower.Checked = !higher;
    t.Click();
}

void turn(GameTable& t, const QString& card)
{
    t.console.controls.cmbStart[static_cast<std::size_t>(t.console.game.CardIndex)].Text = card;
    t.Click();
}

} // namespace

TEST(RoundFlow, OpeningSaysTheFixedLinesAndStartsTheRecords)
{
    GameTable t;
    Console& c = t.console;
    QFile old(c.settings.PlayersFile);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("Left Over\r\n");
    old.close();
    t.room.SetHostAvatar(u"Jane Doe"_s);
    c.settings.Delay = SpeedFast;

    t.Click();

    EXPECT_EQ(t.NewLines(), (QStringList{OpeningBanner(), VersionLine(), ContactLine(),
                                         u"To register ESP a $ to Jane Doe."_s}));
    EXPECT_EQ(t.toolkit.Pauses, (QList<int>{3, 3, 3, 3}));
    EXPECT_EQ(c.game.HostName, u"Jane Doe"_s);
    EXPECT_EQ(c.game.PlayerCapacity, 150);
    EXPECT_EQ(c.game.GameStarted, QDateTime(QDate(2003, 3, 1), QTime(21, 5)));
    EXPECT_FALSE(c.controls.mnuRecover.Enabled);
    EXPECT_EQ(c.game.RoundState, RoundDrawPlayer);
    EXPECT_EQ(c.controls.cmdSay.Caption, u"Draw Player"_s);
    // Nobody registered yet: the main button waits.
    EXPECT_FALSE(c.controls.cmdSay.Enabled);
    EXPECT_EQ(c.controls.txtPlayer.Text, u"(no players)"_s);
    for (int i = 1; i <= 6; ++i)
        EXPECT_FALSE(c.controls.cmbStart[i].Enabled) << i;

    EXPECT_FALSE(QFile::exists(c.settings.PlayersFile));
    EXPECT_EQ(t.LogBytes(),
              bytes(VersionLine() + u"\r\n"_s + c.settings.MonthlyFile +
                    u"\r\n9:05pm, Saturday, March 1, 2003\r\nHost=Jane Doe\r\n\r\n"_s));
}

TEST(RoundFlow, RegistrationWritesThePlayersFileAndConfirmsOnce)
{
    GameTable t;
    Console& c = t.console;
    t.Click();
    c.settings.Delay = SpeedMedium;
    t.toolkit.Pauses.clear();
    RegisterPlayer(c, u"Mary Ann"_s);
    RegisterPlayer(c, u"Mary Ann"_s);
    c.settings.Confirm = false;
    RegisterPlayer(c, u"Bob"_s);
    EXPECT_EQ(t.room.EspsSent(), QStringList{u"Mary Ann: You are registered"_s});
    EXPECT_EQ(t.toolkit.Pauses, QList<int>{5});
    EXPECT_EQ(t.PlayersBytes(), QByteArray("Mary Ann\r\nBob\r\n"));
    EXPECT_EQ(c.game.PlayerCount, 2);
}

TEST(RoundFlow, AWholeTurnSaysEveryLineAndLogsEveryStep)
{
    GameTable t;
    Console& c = t.console;
    t.OpenWith({u"Bob"_s});
    EXPECT_TRUE(c.controls.cmdSay.Enabled);
    const QByteArray header = t.LogBytes();

    t.Click(); // Draw Player
    EXPECT_EQ(t.NewLines(), QStringList{u"WTG!  Bob, you have been chosen"_s});
    EXPECT_EQ(c.controls.txtPlayer.Text, u"Bob"_s);
    EXPECT_EQ(c.controls.txtWager.Text, u"10"_s);
    EXPECT_EQ(c.controls.cmdSay.Caption, u"Ask for Wager"_s);
    EXPECT_TRUE(c.controls.cmbStart[0].Enabled);
    EXPECT_FALSE(c.controls.cmbStart[1].Enabled);

    turn(t, u"5"_s); // Ask for Wager
    EXPECT_EQ(t.NewLines(),
              (QStringList{u"Bob has 10 points"_s, u"Your Card is a 5.  What is your wager?"_s}));
    EXPECT_EQ(c.controls.cmdSay.Caption, u"Say Wager"_s);
    EXPECT_FALSE(c.controls.cmbStart[0].Enabled);
    EXPECT_TRUE(c.controls.cmbStart[1].Enabled);

    wager(t, u"5"_s, true);
    EXPECT_EQ(t.NewLines(), QStringList{u"OK 5 higher.  Please turn card 1"_s});
    EXPECT_EQ(c.controls.cmdSay.Caption, u"Say Results"_s);

    turn(t, u"9"_s);
    EXPECT_EQ(t.NewLines(), (QStringList{u"¤   9   ¤"_s, u"wtg!  Bob gets 5 points"_s}));
    EXPECT_EQ(c.controls.cmdSay.Caption, u"Ask for Wager"_s);
    EXPECT_EQ(c.controls.txtWager.Text, u"15"_s);
    EXPECT_FALSE(c.controls.cmbStart[1].Enabled);
    EXPECT_EQ(c.game.LastResult, 1);

    t.Click();
    EXPECT_EQ(t.NewLines(),
              (QStringList{u"Bob has 15 points"_s, u"Your Card is a 9.  What is your wager?"_s}));

    wager(t, u"15"_s, false);
    EXPECT_EQ(t.NewLines(), QStringList{u"OK 15 lower.  Please turn card 2"_s});
    turn(t, u"Q"_s); // loses everything: the turn ends at once
    EXPECT_EQ(t.NewLines(), (QStringList{u"¤   Q   ¤"_s, u"awwww  Bob loses 15 points"_s,
                                         u"Bob has 0 points.  Thanks for playing"_s}));
    EXPECT_EQ(c.game.RoundState, RoundDrawPlayer);
    EXPECT_EQ(c.controls.cmdSay.Caption, u"Draw Player"_s);
    EXPECT_EQ(c.controls.txtWager.Text, u"0"_s);
    EXPECT_FALSE(c.controls.cmbStart[2].Enabled);
    EXPECT_EQ(c.controls.lstPlayers.Rows, QStringList{nb + nb + u"0+Bob"_s});
    // Everyone has played: the button rests until someone new registers.
    EXPECT_FALSE(c.controls.cmdSay.Enabled);
    EXPECT_EQ(c.controls.txtPlayer.Text, u"(no players)"_s);

    EXPECT_EQ(t.LogBytes(), header + "+++++++++++++++++++++++++\r\nBob\r\n"
                                     " 10    5  5      higher\r\n"
                                     " 15    9  15     lower\r\n"
                                     " 0     Q\r\n");

    t.Click();
    EXPECT_EQ(t.NewLines(), QStringList{u"---  All players have been drawn  ---"_s});
    EXPECT_EQ(c.game.RoundState, RoundDrawPlayer);
}

TEST(RoundFlow, WagerIsCutToTheScoreAndAllStakesEverything)
{
    GameTable t;
    Console& c = t.console;
    bobFacing(t, u"8"_s);
    t.Click();
    EXPECT_EQ(t.NewLines().last(), u"Your Card is an 8.  What is your wager?"_s);
    wager(t, u"50"_s, true);
    EXPECT_EQ(t.NewLines(), QStringList{u"OK 10 higher.  Please turn card 1"_s});
    EXPECT_EQ(c.controls.txtWager.Text, u"10"_s);

    GameTable u;
    bobFacing(u, u"A"_s);
    u.Click();
    EXPECT_EQ(u.NewLines().last(), u"Your Card is an A.  What is your wager?"_s);
    u.console.controls.chkAll.Checked = true;
    wager(u, u"3"_s, false);
    EXPECT_EQ(u.NewLines(), QStringList{u"OK 10 lower.  Please turn card 1"_s});
}

TEST(RoundFlow, ZeroOrNegativeStakeAsksAgainOnTheSameCard)
{
    for (const QString& stake : {u"0"_s, u"-5"_s}) {
        GameTable t;
        Console& c = t.console;
        bobFacing(t, u"5"_s);
        t.Click();
        t.NewLines();
        wager(t, stake, true);
        EXPECT_EQ(t.NewLines(), QStringList{u"Wager can not be zero (0)!"_s});
        EXPECT_EQ(c.game.RoundState, RoundAskForWager);
        EXPECT_EQ(c.controls.cmdSay.Caption, u"Ask for Wager"_s);
        EXPECT_EQ(c.game.CardIndex, 0);
        EXPECT_TRUE(c.controls.cmbStart[0].Enabled);
        EXPECT_FALSE(c.controls.cmbStart[1].Enabled);
        EXPECT_EQ(c.controls.txtWager.Text, u"10"_s);
        t.Click();
        EXPECT_EQ(t.NewLines(), (QStringList{u"Bob has 10 points"_s,
                                             u"Your Card is a 5.  What is your wager?"_s}));
    }
}

TEST(RoundFlow, ChecksAnswerWithABoxAndKeepTheState)
{
    GameTable t;
    Console& c = t.console;
    bobFacing(t, u"j"_s);
    t.Click();
    turn(t, QString());
    ASSERT_EQ(t.toolkit.Boxes.size(), 2);
    EXPECT_EQ(t.toolkit.Boxes[0].Text, u"No card selected!"_s);
    EXPECT_EQ(t.toolkit.Boxes[0].Title, u"Select Card"_s);
    EXPECT_EQ(c.game.RoundState, RoundAskForWager);
    EXPECT_TRUE(t.NewLines().isEmpty());

    turn(t, u"2"_s);
    c.controls.txtWager.Text = u"five"_s;
    t.Click();
    EXPECT_EQ(t.toolkit.Boxes.last().Text, u"Invalid Wager!!!"_s);
    EXPECT_EQ(t.toolkit.Boxes.last().Title, u"Fix Wager"_s);
    EXPECT_EQ(c.controls.txtWager.Text, u"10"_s);
    EXPECT_EQ(c.game.RoundState, RoundSayWager);

    c.controls.txtWager.Text = u"4"_s;
    t.Click(); // no guess picked
    EXPECT_EQ(t.toolkit.Boxes.last().Text, u"Select Higher/Lower!"_s);
    EXPECT_EQ(t.toolkit.Boxes.last().Title, u"Not Selected"_s);
    EXPECT_EQ(c.game.RoundState, RoundSayWager);
    EXPECT_EQ(c.game.Current().Wager, 4.0f);

    wager(t, u"4"_s, true);
    turn(t, u"11"_s);
    EXPECT_EQ(t.toolkit.Boxes.last().Text, u"No card selected!"_s);
    EXPECT_EQ(c.game.RoundState, RoundSayResults);
    EXPECT_TRUE(c.controls.cmbStart[1].Enabled);
    EXPECT_EQ(t.toolkit.Boxes.size(), 5);
    EXPECT_EQ(t.NewLines(),
              (QStringList{u"Bob has 10 points"_s, u"Your Card is a 2.  What is your wager?"_s,
                           u"OK 4 higher.  Please turn card 1"_s}));
}

TEST(RoundFlow, PushesAndWinsCompareByRankWithTheAceHigh)
{
    GameTable t;
    Console& c = t.console;
    bobFacing(t, u"7"_s);
    t.Click();
    wager(t, u"2"_s, true);
    turn(t, u"7"_s);
    EXPECT_EQ(c.game.Current().Score, 10.0f);
    EXPECT_EQ(c.game.LastResult, 3);
    t.NewLines();

    c.controls.cmbStart[1].Text = u"K"_s; // the host corrects the face-up card
    t.Click();
    wager(t, u"2.5"_s, true);
    turn(t, u"A"_s);
    EXPECT_EQ(t.NewLines().mid(3), (QStringList{u"¤   A   ¤"_s, u"wtg!  Bob gets 2.5 points"_s}));
    EXPECT_EQ(c.game.Current().Score, 12.5f);
    EXPECT_EQ(c.game.LastWager, 2.5f); // kept exact for the undo

    t.Click();
    wager(t, u"12.5"_s, false);
    turn(t, u"10"_s);
    EXPECT_EQ(t.NewLines().mid(3), (QStringList{u"¤   10   ¤"_s, u"wtg!  Bob gets 12.5 points"_s}));
    EXPECT_EQ(c.game.Current().Score, 25.0f);
    t.Click();
    wager(t, u"1"_s, false);
    turn(t, u"10"_s);
    EXPECT_EQ(t.NewLines().mid(3), (QStringList{u"¤   10   ¤"_s, u"push!  Bob gets no points"_s}));
    EXPECT_EQ(c.game.Current().Score, 25.0f);
    EXPECT_EQ(c.game.RoundState, RoundAskForWager);
}

TEST(RoundFlow, TurnEndsAfterTheSixthCardWhateverTheScore)
{
    GameTable t;
    Console& c = t.console;
    c.settings.Start = 20000; // stakes beyond a 16-bit number are kept whole
    bobFacing(t, u"7"_s);
    for (int card = 1; card <= 6; ++card) {
        t.Click();
        wager(t, u"20000"_s, true);
        turn(t, u"7"_s);
    }
    EXPECT_EQ(c.game.LastWager, 20000.0f);
    EXPECT_EQ(t.NewLines().last(), u"Bob has 20000 points.  Thanks for playing"_s);
    EXPECT_EQ(c.game.RoundState, RoundDrawPlayer);
    EXPECT_TRUE(t.LogBytes().endsWith(" 20000 7\r\n"));
}

TEST(RoundFlow, DeletingThePlayerWhileALineIsSaidStopsTheStep)
{
    GameTable t;
    Console& c = t.console;
    t.OpenWith({u"Ann"_s, u"Bob"_s});
    t.DrawOnly(u"Bob"_s);
    t.NewLines();
    c.controls.cmbStart[0].Text = u"5"_s;
    // The host deletes Bob from the list while "Bob has 10 points" is being said.
    t.toolkit.DuringNextPause([&] {
        c.controls.lstPlayers.SelectedRow = c.game.CurrentPlayer - 1;
        mnuPDelete_Click(c);
    });
    t.Click();
    EXPECT_EQ(t.NewLines(), QStringList{u"Bob has 10 points"_s});
    EXPECT_EQ(c.game.RoundState, RoundDrawPlayer);
    EXPECT_EQ(c.controls.cmdSay.Caption, u"Draw Player"_s);
    EXPECT_EQ(c.game.CardIndex, 0);
    EXPECT_EQ(c.game.PlayerCount, 1);
    EXPECT_TRUE(c.controls.cmdSay.Enabled); // Ann is still to play

    // Deleting someone else in a pause leaves the turn with its player.
    t.DrawOnly(u"Ann"_s);
    RegisterPlayer(c, u"Cy"_s);
    t.NewLines();
    c.controls.cmbStart[0].Text = u"5"_s;
    t.toolkit.DuringNextPause([&] {
        c.controls.lstPlayers.SelectedRow = 1; // Cy, after Ann
        mnuPDelete_Click(c);
    });
    t.Click();
    EXPECT_EQ(t.NewLines(),
              (QStringList{u"Ann has 10 points"_s, u"Your Card is a 5.  What is your wager?"_s}));
    EXPECT_EQ(c.game.RoundState, RoundSayWager);
    EXPECT_EQ(c.game.Current().Name, u"Ann"_s);
}
