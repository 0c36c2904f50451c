#include "irc/support/BridgeConsole.h"
#include "irc/support/BridgeOnIrcServer.h"
#include "support/WaitUntil.h"

#include <gtest/gtest.h>

#include <memory>

using namespace Qt::StringLiterals;

// The bridge outlasts what comes and goes around it: the server, the console, a second bridge.
class IrcBridgeLifetime : public BridgeOnIrcServer
{
};

TEST_F(IrcBridgeLifetime, AServerRestartAnswersMinusOneMeanwhileThenRejoinsKeepingTheChatText)
{
    ASSERT_TRUE(StartServer());
    ASSERT_TRUE(StartBridge());
    ASSERT_TRUE(JoinBob());
    BridgeConsole console(bridge->SocketPath());
    ASSERT_TRUE(WaitUntil([&] { return console.Say("before") == "0"; }, 10000));
    bob->Esp("Host", "$");
    ASSERT_TRUE(console.ChatTextHas("ESP from Bob: $\r\n"));

    server->Stop();
    ASSERT_TRUE(WaitUntil([&] { return console.Esp("Bob", "lost?") == "-1"; }, 10000));
    EXPECT_EQ(console.Say("while down"), QByteArray("-1"));
    EXPECT_TRUE(console.ChatTextHas("ESP from Bob: $\r\n", 0));

    ASSERT_TRUE(server->Start()) << server->Log().toStdString();
    ASSERT_TRUE(JoinBob());
    ASSERT_TRUE(WaitUntil([&] { return console.Say("after") == "0"; }, 10000))
        << bridge->Log().toStdString();
    ASSERT_TRUE(bob->WaitForCountFrom("Host", 1));
    EXPECT_EQ(bob->TextsFrom("Host", "#quillo"), (QList<QByteArray>{"after"}));
    const QByteArray text = *console.ChatText();
    EXPECT_TRUE(text.startsWith("Host: before\r\nESP from Bob: $\r\n")) << text.constData();
    EXPECT_FALSE(text.contains("while down"));
    EXPECT_TRUE(console.ChatTextHas("Host: after\r\n"));
}

TEST_F(IrcBridgeLifetime, OutlivesItsConsoleAndANewConsoleFindsTheChatText)
{
    ASSERT_TRUE(StartHostedChannel());
    {
        auto first = std::make_unique<BridgeConsole>(bridge->SocketPath());
        ASSERT_EQ(first->Say("first game"), QByteArray("0"));
        bob->Esp("Host", "$");
        ASSERT_TRUE(first->ChatTextHas("ESP from Bob: $\r\n"));
        first.reset(); // the console crashed or was closed
    }
    bob->Esp("Host", "\xc2\xb3"); // while no console listens
    ASSERT_TRUE(bob->WaitForCountFrom("Host", 1));
    // Once Bob's PING is answered the server has passed the ESP on to the bridge, which has it
    // in hand before a new console can reach it.
    ASSERT_TRUE(bob->RoundTrip());
    EXPECT_TRUE(bridge->Running());

    BridgeConsole second(bridge->SocketPath());
    ASSERT_EQ(second.Init(), 0);
    ASSERT_TRUE(second.ChatTextHas("ESP from Bob: <grin>\r\n"));
    EXPECT_TRUE(second.ChatText()->startsWith("Host: first game\r\nESP from Bob: $\r\n"));
    EXPECT_EQ(second.Say("second game"), QByteArray("0"));
    ASSERT_TRUE(bob->WaitForCountFrom("Host", 2));

    // A host's logout: QUIT on IRC, then a clean end.
    EXPECT_EQ(bridge->Stop(), 0) << bridge->Log().toStdString();
    EXPECT_TRUE(bob->WaitForLine(
        [](const QByteArray& line) { return line.startsWith(":Host!") && line.contains(" QUIT "); },
        5000));
}

TEST_F(IrcBridgeLifetime, ASecondBridgeOnTheSameSocketLeavesTheFirstOneAlone)
{
    ASSERT_TRUE(StartServer());
    ASSERT_TRUE(StartBridge());
    IrcBridgeProcess second(QStringList{u"--socket"_s, bridge->SocketPath()} +
                            IrcBridgeProcess::FastArguments("Other", server->Url(u"quillo"_s)));
    EXPECT_FALSE(second.Start(5000));
    EXPECT_EQ(second.WaitForExit(), 1);
    EXPECT_TRUE(second.Log().contains(u"already listens"_s)) << second.Log().toStdString();
    BridgeConsole console(bridge->SocketPath());
    EXPECT_EQ(console.Init(), 0);
    EXPECT_TRUE(WaitUntil([&] { return console.Say("still mine") == "0"; }, 10000));
}
