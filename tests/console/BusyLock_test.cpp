#include "console/BusyLock.h"
#include "console/MacroPlayback.h"
#include "console/MonthlyPoints.h"
#include "support/GameTable.h"
#include "support/TestConsole.h"

#include <gtest/gtest.h>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

// What a listing must leave alone: every player's name, score and draw, and the round.
QStringList gameSnapshot(const GameState& g)
{
    QStringList rows{u"%1 %2 %3 %4"_s.arg(g.RoundState)
                         .arg(g.PlayerCount)
                         .arg(g.DrawnCount)
                         .arg(g.CurrentPlayer)};
    for (int i = 1; i <= g.PlayerCount; ++i) {
        const PlayerRecord& p = g.PlayerTable[static_cast<std::size_t>(i)];
        rows.append(u"%1 %2 %3"_s.arg(p.Name).arg(p.Score).arg(p.Drawn));
    }
    return rows;
}

} // namespace

TEST(BusyLock, BeginLocksMenusMainButtonAndMacroButtonsUnderTheHourglass)
{
    TestConsole t;
    ConsoleState& c = t.console.controls;
    BeginBusy(t.console);
    EXPECT_EQ(c.Focus, u"Command2"_s);
    EXPECT_TRUE(t.toolkit.Hourglass);
    EXPECT_FALSE(c.mnuFile.Enabled);
    EXPECT_FALSE(c.mnuOptions.Enabled);
    EXPECT_FALSE(c.mnuAbout.Enabled);
    EXPECT_FALSE(c.cmdSay.Enabled);
    for (int i = 1; i <= 20; ++i)
        EXPECT_FALSE(c.txtButton[i].Enabled) << i;
    EXPECT_TRUE(c.cmbStart[0].Enabled); // card boxes and wager controls stay usable

    t.console.game.RoundState = RoundAskForWager;
    EndBusy(t.console);
    EXPECT_FALSE(t.toolkit.Hourglass);
    EXPECT_TRUE(c.mnuFile.Enabled && c.mnuOptions.Enabled && c.mnuAbout.Enabled);
    EXPECT_TRUE(c.cmdSay.Enabled);
    for (int i = 1; i <= 20; ++i)
        EXPECT_TRUE(c.txtButton[i].Enabled) << i;
}

TEST(BusyLock, EndLeavesTheMainButtonOffWhenEveryoneHasBeenDrawn)
{
    TestConsole t;
    GameState& g = t.console.game;
    g.RoundState = RoundDrawPlayer;
    g.PlayerCount = 2;
    g.DrawnCount = 2;
    g.CurrentPlayer = 2;
    BeginBusy(t.console);
    EndBusy(t.console);
    EXPECT_FALSE(t.console.controls.cmdSay.Enabled);
    EXPECT_EQ(t.console.controls.txtPlayer.Text, u"(no players)"_s);
    EXPECT_EQ(g.CurrentPlayer, 0);

    g.PlayerCount = 3; // someone registered since
    BeginBusy(t.console);
    EndBusy(t.console);
    EXPECT_TRUE(t.console.controls.cmdSay.Enabled);
}

TEST(BusyLock, EscStopsAListingAfterTheLineBeingSaidAndTheNextListingIsWhole)
{
    struct Listing
    {
        const char* Name;
        std::function<void(Console&)> Run;
        qsizetype Lines;
    };
    const QList<Listing> listings{
        {"scores", [](Console& c) { txtButton_Click(c, 8); }, 14},
        {"monthly points", mnuMThis_Click, 15},
        {"macro lines", [](Console& c) { txtButton_Click(c, 3); }, 10},
    };
    for (const Listing& listing : listings) {
        GameTable t;
        Console& c = t.console;
        QStringList players;
        for (int i = 1; i <= 12; ++i)
            players.append(u"Player %1"_s.arg(i));
        t.OpenWith(players);
        ASSERT_TRUE(SaveTodaysPoints(c));
        c.macros[8].Text = u"%scores%\r\n"_s;
        for (int i = 1; i <= 10; ++i)
            c.macros[3].Text += u"line %1\r\n"_s.arg(i);
        const QStringList before = gameSnapshot(c.game);

        t.toolkit.DuringNextPause([] {});
        t.toolkit.DuringNextPause([] {});
        t.toolkit.DuringNextPause([&c] { StopListing(c); }); // Esc while the 3rd line is said
        listing.Run(c);
        const QStringList cut = t.NewLines();
        EXPECT_EQ(cut.size(), 3) << listing.Name;
        EXPECT_FALSE(t.toolkit.Hourglass) << listing.Name;
        EXPECT_TRUE(c.controls.mnuFile.Enabled && c.controls.txtButton[8].Enabled);
        EXPECT_EQ(gameSnapshot(c.game), before) << listing.Name;

        StopListing(c); // asked for while nothing is listed: it cuts nothing short
        listing.Run(c);
        const QStringList whole = t.NewLines();
        EXPECT_EQ(whole.size(), listing.Lines) << listing.Name;
        EXPECT_EQ(whole.mid(0, 3), cut) << listing.Name;
    }
}
