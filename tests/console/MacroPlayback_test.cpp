#include "console/MacroPlayback.h"
#include "console/Roster.h"
#include "macros/MacroLines.h"
#include "support/GameTable.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

void setMacro(Console& console, int index, const QString& text)
{
    console.macros[static_cast<std::size_t>(index)].Text = text;
}

} // namespace

TEST(MacroPlayback, SaysEachFilledLineWithAPauseUnderTheBusyLock)
{
    GameTable t;
    Console& c = t.console;
    c.game.HostName = u"Bob"_s;
    c.settings.Delay = SpeedFast;
    setMacro(c, 9, u"To register ESP a %reg% to %host%, if you haven't done it yet.\r\n"_s);
    setMacro(c, 3, u"one %HOST%\r\n  \r\nthree\r\n"_s);

    txtButton_Click(c, 9);
    EXPECT_EQ(t.NewLines(),
              QStringList{u"To register ESP a $ to Bob, if you haven't done it yet."_s});

    bool lockedMeanwhile = false;
    t.toolkit.DuringNextPause([&] {
        lockedMeanwhile = !c.controls.cmdSay.Enabled && !c.controls.txtButton[3].Enabled &&
                          !c.controls.mnuFile.Enabled && t.toolkit.Hourglass;
    });
    t.toolkit.Pauses.clear();
    txtButton_Click(c, 3);
    EXPECT_EQ(t.NewLines(), (QStringList{u"one Bob"_s, u"  "_s, u"three"_s}));
    EXPECT_EQ(t.toolkit.Pauses, (QList<int>{3, 3, 3}));
    EXPECT_TRUE(lockedMeanwhile);
    EXPECT_EQ(c.controls.Focus, u"Command2"_s);
    EXPECT_FALSE(t.toolkit.Hourglass);
    EXPECT_TRUE(c.controls.txtButton[3].Enabled);
}

TEST(MacroPlayback, ScoresTakeTheWholeLineInTheirPlace)
{
    GameTable t;
    Console& c = t.console;
    t.OpenWith({u"Ann"_s, u"Bob"_s});
    c.game.PlayerTable[2].Score = 3;
    setMacro(c, 8, u"Hello all\r\nhere they are: %Scores% and more\r\nBye\r\n"_s);
    txtButton_Click(c, 8);
    EXPECT_EQ(t.NewLines(), (QStringList{u"Hello all"_s, u"o=o Scores o=o"_s, u"Bob has 3 points"_s,
                                         u"Ann has 10 points"_s, u"o=o=o=o=o"_s, u"Bye"_s}));
}

TEST(MacroPlayback, StopsAtTheFirstEmptyLineAndAnEmptyMacroOnlyLocksAndUnlocks)
{
    GameTable t;
    Console& c = t.console;
    setMacro(c, 1, u"first\r\n\r\nnever said\r\n"_s);
    setMacro(c, 2, u"%player%\r\nafter an empty fill\r\n"_s);
    txtButton_Click(c, 1);
    txtButton_Click(c, 2);
    EXPECT_EQ(t.NewLines(), (QStringList{u"first"_s, u"after an empty fill"_s}));
    EXPECT_EQ(t.toolkit.Pauses.size(), 2);

    const int changes = t.toolkit.HourglassChanges;
    txtButton_Click(c, 20);
    EXPECT_TRUE(t.NewLines().isEmpty());
    EXPECT_EQ(t.toolkit.HourglassChanges, changes + 2);
    EXPECT_FALSE(t.toolkit.Hourglass);
    EXPECT_TRUE(c.controls.txtButton[20].Enabled);
}

TEST(MacroPlayback, GetRegsScansAndTheMacroGoesOnWithItsOwnLines)
{
    GameTable t;
    Console& c = t.console;
    t.Click();
    t.room.Esp(u"Ann"_s, u"$"_s);
    t.room.Esp(u"Bob"_s, u"$"_s);
    t.NewLines();
    setMacro(c, 10, u"%getregs%\r\n"_s);
    txtButton_Click(c, 10);
    EXPECT_TRUE(t.NewLines().isEmpty());
    EXPECT_EQ(t.room.EspsSent(),
              (QStringList{u"Ann: You are registered"_s, u"Bob: You are registered"_s}));
    EXPECT_EQ(c.game.PlayerCount, 2);

    t.room.Esp(u"Cy"_s, u"$"_s);
    setMacro(c, 11, u"Checking%GETREGS%\r\nWelcome, %host%\r\n"_s);
    txtButton_Click(c, 11);
    EXPECT_EQ(t.NewLines(), QStringList{u"Welcome, Host"_s});
    EXPECT_EQ(c.game.PlayerCount, 3);
    EXPECT_EQ(c.controls.lblPlayerCnt.Caption, u"3"_s);
}

TEST(MacroPlayback, SplitsLinesUpToTheFirstEmptyOne)
{
    EXPECT_EQ(MacroLines(QString()), QStringList());
    EXPECT_EQ(MacroLines(u"\r\nnot played"_s), QStringList());
    EXPECT_EQ(MacroLines(u"a\r\nb"_s), (QStringList{u"a"_s, u"b"_s}));
    EXPECT_EQ(MacroLines(u"a\nb\r\n"_s), QStringList{u"a\nb"_s}); // a bare LF is no break
}
