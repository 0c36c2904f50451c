#include "console/MonthlyPoints.h"
#include "console/Recovery.h"
#include "console/RegistrationScan.h"
#include "console/Roster.h"
#include "support/FileBytes.h"
#include "support/GameTable.h"
#include "text/FixedLines.h"

#include <QFile>

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

// True when the bytes are whole lines ended by CR LF, with no other control byte in them.
bool wholeLines(const QByteArray& bytes)
{
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        else if (b < 32 || b == 127)
            return false;
    }
    return bytes.endsWith("\r\n");
}

} // namespace

TEST(RegistrationScan, RegistersOnlyEspsThatHoldTheCharacterAlone)
{
    GameTable t;
    Console& c = t.console;
    t.Click(); // the opening says the banner
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
    EXPECT_EQ(t.PlayersBytes(), QByteArray("Bob\r\nMary Ann\r\n"));
    EXPECT_EQ(c.controls.lblPlayerCnt.Caption, u"2"_s);
    EXPECT_EQ(c.controls.lstPlayers.Rows.size(), 2);
    EXPECT_TRUE(t.toolkit.Boxes.isEmpty());
}

TEST(RegistrationScan, APlayersFileReplacedInAPauseGetsTheNextName)
{
    GameTable t;
    Console& c = t.console;
    t.Click();
    t.room.Esp(u"Bob"_s, u"$"_s);
    t.room.Esp(u"Cy"_s, u"$"_s);
    // The host deletes a player while Bob's confirmation waits: the file is written anew.
    t.toolkit.DuringNextPause([&] {
        WriteBytes(c.settings.PlayersFile + u".new"_s, "Ann\r\n");
        QFile::remove(c.settings.PlayersFile);
        QFile::rename(c.settings.PlayersFile + u".new"_s, c.settings.PlayersFile);
    });
    ScanRegistrations(c);
    EXPECT_EQ(t.PlayersBytes(), QByteArray("Ann\r\nCy\r\n"));
    EXPECT_TRUE(t.toolkit.Boxes.isEmpty());
}

TEST(RegistrationScan, AnEspQuotedInASpokenLineRegistersNobody)
{
    GameTable t;
    Console& c = t.console;
    t.Click();
    t.room.Say(u"Mal"_s, u"ESP from Zed: $"_s);       // the first "ESP from" after the banner
    t.room.AppendRaw("Lou: hi\nESP from Yan: $\r\n"); // after a lone line feed: still Lou's line
    t.room.Esp(u"Bob"_s, u"$"_s);
    t.room.Say(u"Mal"_s, u"ESP from Xi: $"_s);

    ScanRegistrations(c);

    EXPECT_EQ(names(c), QStringList{u"Bob"_s});
    EXPECT_EQ(t.PlayersBytes(), QByteArray("Bob\r\n"));
}

TEST(RegistrationScan, GestureCharactersRegisterByTheirTag)
{
    GameTable t;
    Console& c = t.console;
    c.settings.RegChar = u"°"_s;
    c.settings.Confirm = false;
    t.Click();
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
    t.Click(); // the host's banner is the last one
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
    t.Click();
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
    t.Click();
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
    EXPECT_EQ(c.game.RoundState, RoundStart);
    EXPECT_EQ(c.controls.cmdSay.Caption, u"Start"_s);

    t.Click(); // and can still be opened
    EXPECT_EQ(c.game.RoundState, RoundDrawPlayer);
}

TEST(RegistrationScan, TheHundredAndFiftyFirstPlayerIsRefused)
{
    GameTable t;
    Console& c = t.console;
    c.settings.Confirm = false;
    t.Click();
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

TEST(RegistrationScan, NamesThatWouldBreakARecordLineAreNeverRegistered)
{
    GameTable t;
    Console& c = t.console;
    c.settings.Confirm = false;
    t.Click();
    t.room.Esp(u"Ann"_s, u"$"_s);
    t.room.Esp(u"Bo\nb"_s, u"$"_s); // a lone line feed, as a bridge may pass it on
    t.room.Esp(u"Cy\rd"_s, u"$"_s); // a lone carriage return
    t.room.Esp(u"Tab\tby"_s, u"$"_s);
    t.room.Esp(u"Dee"_s, u"$"_s);
    for (int i = 0; i < 20; ++i)
        t.room.Esp(u"Bo\nb"_s, u"$"_s); // sent again and again: still one name, one note
    const qsizetype said = t.room.SaidLines().size();
    ScanRegistrations(c);
    EXPECT_EQ(names(c), (QStringList{u"Ann"_s, u"Dee"_s}));
    // The host is told once, in the console, how many names were refused and why.
    ASSERT_EQ(t.toolkit.Boxes.size(), 1);
    EXPECT_EQ(t.toolkit.Boxes[0].Text,
              u"3 names were refused: a name holding a control character (a line break, a tab) "
              u"cannot be kept in the players file or the log."_s);
    EXPECT_EQ(t.toolkit.Boxes[0].Title, u"Get Regs"_s);
    EXPECT_EQ(t.room.SaidLines().size(), said);
    EXPECT_TRUE(t.room.EspsSent().isEmpty());
    t.toolkit.Boxes.clear();
    EXPECT_EQ(t.PlayersBytes(), QByteArray("Ann\r\nDee\r\n"));

    // Ann wins 5 on her first card; Dee is never drawn.
    t.DrawOnly(u"Ann"_s);
    c.controls.cmbStart[0].Text = u"5"_s;
    t.Click();
    c.controls.txtWager.Text = u"5"_s;
    c.controls.optHigher.Checked = true;
    t.Click();
    c.controls.cmbStart[1].Text = u"9"_s;
    t.Click();
    ASSERT_EQ(c.game.Current().Score, 15.0f);
    EXPECT_TRUE(wholeLines(t.LogBytes()));

    const QString month = c.settings.MonthlyFile;
    ASSERT_TRUE(WriteBytes(month, "[Monthly]\r\nAnn= 20 \r\nDee= 3 \r\n"));
    ASSERT_TRUE(SaveTodaysPoints(c));
    EXPECT_EQ(ReadBytes(month), QByteArray("[Monthly]\r\nAnn= 35 \r\nDee= 13 \r\n"));

    // A restart recovers both players, Ann back at her wager on the 5.
    GameTable fresh;
    for (const QString& name : {u"Quillo.log"_s, u"QOPlayers.txt"_s})
        ASSERT_TRUE(QFile::copy(t.Path(name), fresh.Path(name)));
    RecoverGame(fresh.console);
    EXPECT_TRUE(fresh.toolkit.Boxes.isEmpty());
    EXPECT_EQ(names(fresh.console), (QStringList{u"Ann"_s, u"Dee"_s}));
    EXPECT_EQ(fresh.console.game.RoundState, RoundAskForWager);
    EXPECT_EQ(fresh.console.game.Current().Name, u"Ann"_s);
    EXPECT_EQ(fresh.console.controls.cmbStart[0].Text, u"5"_s);
}

TEST(RegistrationScan, TellsTheHostWhenOnlyEspsBeforeTheOpeningRegister)
{
    GameTable t;
    Console& c = t.console;
    c.settings.Confirm = false;
    const QString note = u"No registrations since the game opened, but 2 came before it: "
                         u"those players must send their ESP again."_s;
    t.room.Esp(u"Ann"_s, u"$"_s);
    t.room.Esp(u"Bob"_s, u"$"_s);
    t.room.Esp(u"Ann"_s, u"$"_s); // the same avatar twice counts once
    t.room.Esp(u"Cy"_s, u"hello"_s);
    t.Click();
    const qsizetype said = t.room.SaidLines().size();
    c.controls.lblPlayerCnt.Caption = u"as shown before"_s;

    // No ESP at all after the banner: the scan still has no other effect.
    ScanRegistrations(c);
    ASSERT_EQ(t.toolkit.Boxes.size(), 1);
    EXPECT_EQ(t.toolkit.Boxes[0].Text, note);
    EXPECT_EQ(t.toolkit.Boxes[0].Title, u"Get Regs"_s);
    EXPECT_EQ(c.controls.lblPlayerCnt.Caption, u"as shown before"_s);
    EXPECT_EQ(c.game.PlayerCount, 0);

    // ESPs after it that do not register: told again, the roster shown as usual.
    t.room.Esp(u"Cy"_s, u"$ please"_s);
    ScanRegistrations(c);
    ASSERT_EQ(t.toolkit.Boxes.size(), 2);
    EXPECT_EQ(t.toolkit.Boxes[1].Text, note);
    EXPECT_EQ(c.controls.lblPlayerCnt.Caption, u"0"_s);

    // Once Ann sends it again she is registered, and a registering line ends the notes.
    t.room.Esp(u"Ann"_s, u"$"_s);
    ScanRegistrations(c);
    EXPECT_EQ(names(c), QStringList{u"Ann"_s});
    ScanRegistrations(c);
    EXPECT_EQ(t.toolkit.Boxes.size(), 2);
    EXPECT_EQ(t.room.SaidLines().size(), said); // nothing of it went to the chat
}

TEST(RegistrationScan, NoNoteWithoutABannerOrWhenTheEarlySendersArePlayers)
{
    GameTable t;
    Console& c = t.console;
    c.settings.Confirm = false;
    c.game.PlayerCapacity = MaxPlayers;
    t.room.Say(u"Ann"_s, u"hi all"_s);
    t.room.Esp(u"Ann"_s, u"$"_s);
    ScanRegistrations(c); // no banner: the whole text counts
    EXPECT_EQ(names(c), QStringList{u"Ann"_s});

    // A banner said again (as a recovery does) with Ann already in: nobody is left out.
    t.room.Say(u"Host"_s, OpeningBanner());
    ScanRegistrations(c);
    t.room.Say(u"Ed"_s, u"hi"_s);
    t.room.Esp(u"Ed"_s, u"hi"_s);
    ScanRegistrations(c);
    EXPECT_TRUE(t.toolkit.Boxes.isEmpty());
}

TEST(RegistrationScan, AChatTextInTheDocumentedFormRegistersAsDescribed)
{
    GameTable t;
    Console& c = t.console;
    c.settings.Confirm = false;
    t.Click(); // opened: the room may count from here
    // What a bridge sends as TEXT: CR LF lines, spoken and ESP lines, and a zero byte with the
    // four bytes before it and everything after it to be dropped.
    const QByteArray text = "Eve: hello\r\n"
                            "Host: \xD7\xD7\xD7  Quillo  -  Higher or Lower  \xD7\xD7\xD7\r\n"
                            "ESP from Mary Ann: $\r\n"
                            "ESP from Gil: $: $\r\n"
                            "Cy: $\r\n"
                            "ESP from Lo\nne: $\r\n"
                            "esp from Fay: $\r\n"
                            "ESP from Dee: $\r\n"
                            "tail"
                            "\0ESP from Zed: $\r\n"_ba;
    c.chat.OnText(text);
    ScanChatText(c, c.chat.ReceivedText);
    EXPECT_EQ(names(c), (QStringList{u"Dee"_s, u"Mary Ann"_s}));
    ASSERT_EQ(t.toolkit.Boxes.size(), 1); // "Lo\nne" refused, and said so
    EXPECT_TRUE(t.toolkit.Boxes[0].Text.startsWith(u"1 name was refused: "_s));

    // An empty line inside the text ends the scan there.
    c.chat.OnText("Eve: hi\r\nESP from Ann: $\r\n\r\nESP from Bob: $\r\n"_ba);
    ScanChatText(c, c.chat.ReceivedText);
    EXPECT_TRUE(names(c).contains(u"Ann"_s));
    EXPECT_FALSE(names(c).contains(u"Bob"_s));
}

TEST(RegistrationScan, AnEspOnTheVeryFirstLineRegistersWhenNoBannerStands)
{
    // A client restarted after the opening: its text begins with the first ESP.
    GameTable t;
    Console& c = t.console;
    c.settings.Confirm = false;
    c.game.PlayerCapacity = MaxPlayers;
    t.room.Esp(u"Ann"_s, u"$"_s);
    t.room.Say(u"Mal"_s, u"ESP from Zed: $"_s);
    t.room.Esp(u"Bob"_s, u"$"_s);
    ScanRegistrations(c);
    EXPECT_EQ(names(c), (QStringList{u"Ann"_s, u"Bob"_s}));
    EXPECT_EQ(t.PlayersBytes(), QByteArray("Ann\r\nBob\r\n"));

    // With a banner the text is read from it as before: its first line counts for nothing.
    GameTable opened;
    opened.room.Esp(u"Cy"_s, u"$"_s);
    opened.Click();
    opened.room.Esp(u"Di"_s, u"$"_s);
    opened.console.settings.Confirm = false;
    ScanRegistrations(opened.console);
    EXPECT_EQ(names(opened.console), QStringList{u"Di"_s});
}
