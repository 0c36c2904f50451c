#include "game/BusyLock.h"
#include "support/TestConsole.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

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

    t.console.game.RoundState = 2;
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
    g.RoundState = 1;
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
