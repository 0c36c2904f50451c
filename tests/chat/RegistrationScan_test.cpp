#include "chat/RegistrationScan.h"
#include "game/FixedLines.h"
#include "game/Roster.h"
#include "support/GameTable.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QStringList names(const Console& console)
{
    QStringList list;
    for (int i = 1; i <= console.game.PlayerCount; ++i)
        list.append(console.game.PlayerTable[static_cast<std::size_t>(i)].Name);
    return list;
}

} // namespace

TEST(RegistrationScan, RegistersOnlyEspsThatHoldTheCharacterAlone)
{
    GameTable t;
    Console& c = t.console;
    t.click(); // the opening says the banner
    t.room.Esp(u"Bob"_s, u"$"_s);
    t.room.Esp(u"Cy"_s, u"$$"_s);
    t.room.Esp(u"Di"_s, u"$ hi"_s);
    t.room.Say(u"Ed"_s, u"$"_s);
    t.room.AppendRaw("esp from Fay: $\r\n");
    t.room.Esp(u"Mary Ann"_s, u"$"_s);
    t.room.Esp(u"Bob"_s, u"$"_s);
    t.room.Esp(u"Gil: $"_s, u"$"_s); // the first marker is not the last: nobody
    t.toolkit.Pauses.clear();

    ScanRegistrations(c);

    EXPECT_EQ(names(c), (QStringList{u"Bob"_s, u"Mary Ann"_s}));
    EXPECT_EQ(t.room.EspsSent(),
              (QStringList{u"Bob: You are registered"_s, u"Mary Ann: You are registered"_s}));
    EXPECT_EQ(t.toolkit.Pauses, (QList<int>{1, 1}));
    EXPECT_EQ(t.playersBytes(), QByteArray("Bob\r\nMary Ann\r\n"));
    EXPECT_EQ(c.controls.lblPlayerCnt.Caption, u"2"_s);
    EXPECT_EQ(c.controls.lstPlayers.Rows.size(), 2);
    EXPECT_TRUE(t.toolkit.Boxes.isEmpty());
}

TEST(RegistrationScan, GestureCharactersRegisterByTheirTag)
{
    GameTable t;
    Console& c = t.console;
    c.settings.RegChar = u"°"_s;
    c.settings.Confirm = false;
    t.click();
    t.room.Esp(u"Bob"_s, u"°"_s); // shown as ": <relax>"
    t.room.AppendRaw("ESP from Cy: \xB0\r\n");
    ScanRegistrations(c);
    EXPECT_EQ(names(c), QStringList{u"Bob"_s});
    EXPECT_TRUE(t.room.EspsSent().isEmpty());

    c.settings.RegChar = u"°x"_s; // not a gesture: the characters themselves
    t.room.Esp(u"Di"_s, u"°x"_s);
    ScanRegistrations(c);
    EXPECT_EQ(names(c), (QStringList{u"Bob"_s, u"Di"_s}));
}

TEST(RegistrationScan, CountsOnlyWhatCameAfterTheLastBanner)
{
    GameTable t;
    Console& c = t.console;
    t.room.Esp(u"Ann"_s, u"$"_s);
    t.room.Say(u"Someone"_s, OpeningBanner());
    t.room.Esp(u"Old"_s, u"$"_s);
    t.click(); // the host's banner is the last one
    t.room.Esp(u"Bob"_s, u"$"_s);
    ScanRegistrations(c);
    EXPECT_EQ(names(c), QStringList{u"Bob"_s});

    t.room.Esp(u"Ann"_s, u"$"_s);
    ScanRegistrations(c);
    EXPECT_EQ(names(c), (QStringList{u"Ann"_s, u"Bob"_s}));
}

TEST(RegistrationScan, AnEmptyLineEndsTheScan)
{
    GameTable t;
    Console& c = t.console;
    t.click();
    t.room.Esp(u"Ann"_s, u"$"_s);
    t.room.AppendRaw("\r\n");
    t.room.Esp(u"Bob"_s, u"$"_s);
    ScanRegistrations(c);
    EXPECT_EQ(names(c), QStringList{u"Ann"_s});
    EXPECT_EQ(c.RemainingText, u"ESP from Bob: $"_s); // where the splitter stopped
}

TEST(RegistrationScan, WithoutAnyEspNothingHappens)
{
    GameTable t;
    Console& c = t.console;
    t.click();
    t.room.Say(u"Ann"_s, u"$"_s);
    c.controls.lstPlayers.Rows = QStringList{u"as shown before"_s};
    c.controls.lblPlayerCnt.Caption = u"7"_s;
    ScanRegistrations(c);
    EXPECT_EQ(c.controls.lstPlayers.Rows, QStringList{u"as shown before"_s});
    EXPECT_EQ(c.controls.lblPlayerCnt.Caption, u"7"_s);
}

TEST(RegistrationScan, BeforeTheOpeningEveryNewSenderIsRefusedAndTheGameStaysUnopened)
{
    GameTable t;
    Console& c = t.console;
    t.room.Say(u"Ann"_s, u"hi all"_s);
    t.room.Esp(u"Ann"_s, u"$"_s);
    t.room.Esp(u"Bob"_s, u"$"_s);
    ScanRegistrations(c);
    EXPECT_EQ(c.game.PlayerCount, 0);
    ASSERT_EQ(t.toolkit.Boxes.size(), 2);
    EXPECT_EQ(t.toolkit.Boxes[1].Text, u"Maximum Player count has been reached!!"_s);
    EXPECT_EQ(t.toolkit.Boxes[1].Title, u"No More"_s);
    EXPECT_EQ(c.game.RoundState, 0);
    EXPECT_EQ(c.controls.cmdSay.Caption, u"Start"_s);

    t.click(); // and can still be opened
    EXPECT_EQ(c.game.RoundState, 1);
}

TEST(RegistrationScan, TheHundredAndFiftyFirstPlayerIsRefused)
{
    GameTable t;
    Console& c = t.console;
    c.settings.Confirm = false;
    t.click();
    for (int i = 1; i <= 149; ++i)
        RegisterPlayer(c, u"P"_s + QString::number(i));
    t.room.Esp(u"P150"_s, u"$"_s);
    t.room.Esp(u"P151"_s, u"$"_s);
    t.room.Esp(u"P7"_s, u"$"_s);
    ScanRegistrations(c);
    EXPECT_EQ(c.game.PlayerCount, 150);
    EXPECT_TRUE(names(c).contains(u"P150"_s));
    EXPECT_FALSE(names(c).contains(u"P151"_s));
    EXPECT_EQ(t.toolkit.Boxes.size(), 1);
}
