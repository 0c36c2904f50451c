#include "console/Placeholders.h"
#include "support/TestConsole.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

void makeCurrent(Console& console, const QString& name, float wager)
{
    GameState& g = console.game;
    g.PlayerCount = 1;
    g.PlayerTable[1].Name = name;
    g.PlayerTable[1].Wager = wager;
    g.CurrentPlayer = 1;
}

} // namespace

TEST(Placeholders, FillsEveryValueLeftToRightInAnyCase)
{
    TestConsole t;
    Console& c = t.console;
    makeCurrent(c, u"Ann"_s, 2.5f);
    c.game.HostName = u"Jane Doe"_s;
    c.settings.RegChar = u"°"_s;
    c.game.CardIndex = 2;
    c.controls.cmbStart[2].Text = u"Q"_s;

    EXPECT_EQ(FillPlaceholders(c, u"wtg!  %player% gets %points% points"_s),
              u"wtg!  Ann gets 2.5 points"_s);
    EXPECT_EQ(FillPlaceholders(c, u"%PLAYER%/%Points%/%HoSt%/%REG%/%card%"_s),
              u"Ann/2.5/Jane Doe/°/Q"_s);
    EXPECT_EQ(FillPlaceholders(c, u"no signs at all"_s), u"no signs at all"_s);

    // Values are read when filled: a new current player and card show at once.
    c.game.CurrentPlayer = 0;
    c.game.CardIndex = 0;
    EXPECT_EQ(FillPlaceholders(c, u"[%player%|%points%|%card%]"_s), u"[|0|]"_s);
}

TEST(Placeholders, FilledValuesAreNeverReadAgainAndStrangeSignsStay)
{
    TestConsole t;
    Console& c = t.console;
    makeCurrent(c, u"%player%"_s, 5.0f);
    c.game.HostName = u"Bob"_s;
    EXPECT_EQ(FillPlaceholders(c, u"Hi %player%!"_s), u"Hi %player%!"_s);

    c.game.PlayerTable[1].Name = u"50%"_s;
    EXPECT_EQ(FillPlaceholders(c, u"%player% to %host%"_s), u"50% to Bob"_s);

    c.settings.RegChar = u"%"_s;
    EXPECT_EQ(FillPlaceholders(c, u"To register ESP a %reg% to %host%."_s),
              u"To register ESP a % to Bob."_s);

    // Unknown names and a lone sign stay as they stand, and the next placeholder still fills.
    EXPECT_EQ(FillPlaceholders(c, u"100% sure, %host%"_s), u"100% sure, Bob"_s);
    EXPECT_EQ(FillPlaceholders(c, u"%scores% and % host% for %host%"_s),
              u"%scores% and % host% for Bob"_s);
    EXPECT_EQ(FillPlaceholders(c, u"%"_s), u"%"_s);
    EXPECT_EQ(FillPlaceholders(c, u"%%"_s), u"%%"_s);
}

TEST(Placeholders, CallerActionsRunInPlaceOfTheWholeLine)
{
    TestConsole t;
    Console& c = t.console;
    c.game.HostName = u"Bob"_s;
    QStringList seen;
    const PlaceholderAction action = [&](const QString& name) {
        seen.append(name);
        return name == u"scores";
    };
    EXPECT_EQ(FillPlaceholders(c, u"%host% says %Other% then %SCORES% %host%"_s, action),
              QString());
    EXPECT_EQ(seen, (QStringList{u"other"_s, u" then "_s, u"scores"_s}));

    seen.clear();
    EXPECT_EQ(FillPlaceholders(c, u"%host% %nope%"_s, action), u"Bob %nope%"_s);
    EXPECT_EQ(seen, QStringList{u"nope"_s});
}

TEST(Placeholders, SayMessageSaysTheFilledLineAndPausesUnlessItIsEmpty)
{
    TestConsole t;
    Console& c = t.console;
    c.settings.Delay = SpeedMedium;
    makeCurrent(c, u"Ann"_s, 2.5f);

    SayMessage(c, c.settings.WTG);
    SayMessage(c, u"   "_s);
    SayMessage(c, u"line\r\nkept whole"_s);
    c.game.CurrentPlayer = 0;
    SayMessage(c, u"%player%"_s); // fills to nothing: neither said nor paused on
    SayMessage(c, u"%scores%"_s); // not a name SayMessage knows

    EXPECT_EQ(t.room.SaidLines(), (QStringList{u"wtg!  Ann gets 2.5 points"_s, u"   "_s,
                                               u"line\r\nkept whole"_s, u"%scores%"_s}));
    EXPECT_EQ(t.toolkit.Pauses, (QList<int>{5, 5, 5, 5}));
}
