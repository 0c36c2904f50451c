#include "console/BusyLock.h"
#include "console/MacroPlayback.h"
#include "console/SettingsFile.h"
#include "irc/support/BridgeConsole.h"
#include "irc/support/BridgeOnIrcServer.h"
#include "socket/SocketChatClient.h"
#include "support/TestConsole.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// What the console says reaches the channel, and what the players say reaches the console.
class IrcBridgeChat : public BridgeOnIrcServer
{
};

TEST_F(IrcBridgeChat, CarriesLinesAndEspsBothWaysInTheConsolesForms)
{
    ASSERT_TRUE(StartHostedChannel());
    BridgeConsole console(bridge->SocketPath());
    ASSERT_EQ(console.Init(), 0);
    EXPECT_EQ(console.Say("\xd7\xd7 Hello \x80"), QByteArray("0"));
    EXPECT_EQ(console.Esp("Bob", "You are registered"), QByteArray("0"));
    EXPECT_EQ(console.Esp("Bob", "x", 1), QByteArray("-1"));
    EXPECT_EQ(console.Esp("Mary Ann", "x"), QByteArray("-1"));
    ASSERT_TRUE(bob->WaitForCountFrom("Host", 2));
    EXPECT_EQ(bob->TextsFrom("Host", "#quillo"),
              (QList<QByteArray>{"\xc3\x97\xc3\x97 Hello \xe2\x82\xac"}));
    EXPECT_EQ(bob->TextsFrom("Host", "Bob"), (QList<QByteArray>{"You are registered"}));

    bob->Say("#quillo", "hi \xc3\xa9");
    bob->Esp("Host", "\x01VERSION\x01");
    bob->SendRaw("NOTICE Host :a notice");
    bob->Esp("Host", "$");
    bob->Esp("Host", "\xc2\xb5"); // a gesture
    bob->Esp("Host", "caf\xe9");  // Latin-1
    ASSERT_TRUE(console.ChatTextHas("ESP from Bob: caf\xe9\r\n"));
    EXPECT_EQ(*console.ChatText(), QByteArray("Host: \xd7\xd7 Hello \x80\r\n"
                                              "ESP to Bob: You are registered\r\n"
                                              "Bob: hi \xe9\r\n"
                                              "ESP from Bob: $\r\n"
                                              "ESP from Bob: <wave>\r\n"
                                              "ESP from Bob: caf\xe9\r\n"));
}

TEST_F(IrcBridgeChat, SixtyLinesSaidAtFullSpeedArriveWholeAndInOrderWithoutADisconnect)
{
    ASSERT_TRUE(StartHostedChannel(NgircdServer::FloodControl::On));
    BridgeConsole console(bridge->SocketPath());
    QList<QByteArray> said;
    for (int i = 0; i < 60; ++i) {
        said.append("Score " + QByteArray::number(i) + ": Bob 1,234 \xd7 Ann 987");
        ASSERT_EQ(console.Say(said.last()), QByteArray("0")) << i;
    }
    ASSERT_TRUE(bob->WaitForCountFrom("Host", 60, 45000)) << bob->TextsFrom("Host").size();
    QList<QByteArray> expected;
    for (const QByteArray& line : said)
        expected.append(QByteArray(line).replace("\xd7", "\xc3\x97"));
    EXPECT_EQ(bob->TextsFrom("Host", "#quillo"), expected);
    for (const QByteArray& line : bob->Lines())
        EXPECT_FALSE(line.startsWith(":Host!") && line.contains(" QUIT ")) << line.constData();
    EXPECT_FALSE(bridge->Log().contains(u"disconnected"_s)) << bridge->Log().toStdString();
    EXPECT_TRUE(bridge->Running());
}

TEST_F(IrcBridgeChat, ALineOf600BytesReachesThePlayersSplitAtABlank)
{
    ASSERT_TRUE(StartHostedChannel());
    QByteArray line;
    for (int i = 0; line.size() < 600; ++i)
        line += "Player" + QByteArray::number(i) + "=" + QByteArray::number(i * 37) + " ";
    line.chop(1);
    BridgeConsole console(bridge->SocketPath());
    ASSERT_EQ(console.Say(line), QByteArray("0"));
    ASSERT_TRUE(bob->WaitForCountFrom("Host", 2));
    // Nothing more: an ESP said after the line reaches Bob after all of its pieces.
    ASSERT_EQ(console.Esp("Bob", "marker"), QByteArray("0"));
    ASSERT_TRUE(bob->WaitFor([](const QList<ReceivedPrivmsg>& got) {
        return !got.isEmpty() && got.last().Text == "marker";
    }));
    const QList<QByteArray> pieces = bob->TextsFrom("Host", "#quillo");
    ASSERT_EQ(pieces.size(), 2);
    EXPECT_EQ(pieces[0] + " " + pieces[1], line);
    EXPECT_FALSE(pieces[0].endsWith(' '));
    EXPECT_TRUE(console.ChatTextHas(QByteArray("Host: " + pieces[1] + "\r\n")));
}

TEST_F(IrcBridgeChat, AListingStoppedByTheHostSaysNothingMoreThanItHadSaid)
{
    ASSERT_TRUE(StartHostedChannel());
    SocketChatClient socket(bridge->SocketPath());
    TestConsole t(socket);
    Console& c = t.console;
    ASSERT_TRUE(SetDefaults(c)); // the built-in macros: 8 says the scores
    c.game.PlayerCount = 20;
    for (int i = 1; i <= c.game.PlayerCount; ++i)
        c.game.PlayerTable[static_cast<std::size_t>(i)].Name = u"P%1"_s.arg(i);
    t.toolkit.DuringNextPause([] {});
    t.toolkit.DuringNextPause([&c] { StopListing(c); }); // Esc while the 2nd line is said
    txtButton_Click(c, 8);                               // Scores
    EXPECT_FALSE(t.toolkit.Hourglass);
    // A line said after the listing is the sign that everything before it has arrived.
    t.chat.SayLine(ChatModeRoom, {}, u"next"_s);
    ASSERT_TRUE(bob->WaitFor([](const QList<ReceivedPrivmsg>& got) {
        return !got.isEmpty() && got.last().Text == "next";
    })) << bridge->Log().toStdString();
    EXPECT_EQ(bob->TextsFrom("Host"),
              (QList<QByteArray>{"o=o Scores o=o", "P20 has 0 points", "next"}));
}
