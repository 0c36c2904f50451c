#include "console/RecoveryOffer.h"
#include "support/FileBytes.h"
#include "support/GameTable.h"
#include "text/Cp1252.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

void play(GameTable& t, const QString& face, const QString& stake, bool higher,
          const QString& turned)
{
    ConsoleState& c = t.console.controls;
    c.cmbStart[t.console.game.CardIndex].Text = face;
    t.Click(); // Ask for Wager
    c.txtWager.Text = stake;
    c.optHigher.Checked = higher;
    c.optLower.Checked = !higher;
    t.Click(); // Say Wager
    c.cmbStart[t.console.game.CardIndex].Text = turned;
    t.Click(); // Say Results
}

// A console started afresh on copies of the record files the game left.
void copyRecords(const GameTable& from, GameTable& to)
{
    for (const QString& name : {u"Quillo.log"_s, u"QOPlayers.txt"_s}) {
        QFile::remove(to.Path(name));
        if (QFile::exists(from.Path(name))) {
            ASSERT_TRUE(QFile::copy(from.Path(name), to.Path(name)));
        }
    }
}

} // namespace

TEST(RecoveryOffer, AGameIsUnfinishedUntilEveryRegisteredPlayerHasPlayedATurnToItsEnd)
{
    GameTable t;
    EXPECT_FALSE(UnfinishedGameLogged(t.console.settings)) << "no files";
    t.OpenWith({});
    EXPECT_FALSE(UnfinishedGameLogged(t.console.settings)) << "opened with nobody";

    GameTable g;
    g.OpenWith({u"Ann"_s, u"Bob"_s});
    const Settings& s = g.console.settings;
    EXPECT_TRUE(UnfinishedGameLogged(s)) << "nobody drawn yet";
    g.DrawOnly(u"Ann"_s);
    EXPECT_TRUE(UnfinishedGameLogged(s)) << "Ann drawn";
    play(g, u"5"_s, u"4"_s, true, u"9"_s);
    EXPECT_TRUE(UnfinishedGameLogged(s)) << "Ann won a card";
    g.Click();
    EXPECT_EQ(g.console.controls.cmdSay.Caption, u"Say Wager"_s);
    g.console.controls.chkAll.Checked = true;
    g.console.controls.optLower.Checked = true;
    g.Click();
    g.console.controls.cmbStart[2].Text = u"K"_s;
    g.Click(); // loses everything: her turn is over
    ASSERT_EQ(g.console.game.RoundState, RoundDrawPlayer);
    EXPECT_TRUE(UnfinishedGameLogged(s)) << "Bob still to play";

    g.DrawOnly(u"Bob"_s);
    play(g, u"2"_s, u"1"_s, true, u"3"_s);
    for (const QString& card : {u"4"_s, u"5"_s, u"6"_s, u"7"_s, u"8"_s}) {
        EXPECT_TRUE(UnfinishedGameLogged(s)) << "Bob before " << card.toStdString();
        g.Click();
        g.console.controls.txtWager.Text = u"1"_s;
        g.console.controls.optHigher.Checked = true;
        g.Click();
        g.console.controls.cmbStart[g.console.game.CardIndex].Text = card;
        g.Click();
    }
    ASSERT_EQ(g.console.game.RoundState, RoundDrawPlayer); // the sixth card ends the turn
    EXPECT_FALSE(UnfinishedGameLogged(s)) << "every turn played";

    // A log that does not read back is no game to offer.
    ASSERT_TRUE(WriteBytes(s.LogFile, ToCp1252(u"only\r\ntwo lines\r\n"_s)));
    EXPECT_FALSE(UnfinishedGameLogged(s));
}

TEST(RecoveryOffer, YesRecoversNoLeavesTheMenuAndAFinishedGameAsksNothing)
{
    GameTable played;
    played.OpenWith({u"Ann"_s, u"Bob"_s});
    played.DrawOnly(u"Bob"_s);
    play(played, u"5"_s, u"4"_s, true, u"9"_s);

    const struct
    {
        Toolkit::Answer Answer;
        bool Recovered;
    } cases[] = {{Toolkit::Answer::Yes, true}, {Toolkit::Answer::No, false}};
    for (const auto& c : cases) {
        GameTable fresh;
        copyRecords(played, fresh);
        fresh.toolkit.QueueAnswer(c.Answer);
        OfferRecovery(fresh.console);
        ASSERT_EQ(fresh.toolkit.Questions.size(), 1);
        EXPECT_EQ(fresh.toolkit.Questions[0].Title, u"Recover"_s);
        EXPECT_TRUE(
            fresh.toolkit.Questions[0].Text.startsWith(u"The last game was not finished."_s));
        EXPECT_EQ(fresh.console.controls.mnuRecover.Enabled, !c.Recovered);
        EXPECT_EQ(fresh.console.game.RoundState, c.Recovered ? RoundAskForWager : RoundStart);
        EXPECT_EQ(fresh.console.controls.txtPlayer.Text, c.Recovered ? u"Bob"_s : QString());
        EXPECT_EQ(fresh.NewLines().contains(u"Current Player is Bob"_s), c.Recovered);
    }

    // Bob's turn finished and Ann's too: nothing to offer, nothing asked, nothing said.
    GameTable done;
    done.OpenWith({u"Ann"_s});
    done.DrawOnly(u"Ann"_s);
    play(done, u"5"_s, u"10"_s, true, u"3"_s);
    GameTable fresh;
    copyRecords(done, fresh);
    OfferRecovery(fresh.console);
    EXPECT_TRUE(fresh.toolkit.Questions.isEmpty());
    EXPECT_TRUE(fresh.NewLines().isEmpty());
    EXPECT_TRUE(fresh.console.controls.mnuRecover.Enabled);
}
