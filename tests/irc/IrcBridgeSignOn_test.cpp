#include "irc/support/BridgeConsole.h"
#include "irc/support/BridgeOnIrcServer.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// How the bridge gets onto the server when its nick or its password does not fit.
class IrcBridgeSignOn : public BridgeOnIrcServer
{
};

TEST_F(IrcBridgeSignOn, ANickInUseGetsAnAlternativeThatCountsAsTheHostsNameUntilItIsFree)
{
    ASSERT_TRUE(StartServer());
    IrcTestClient squatter;
    ASSERT_TRUE(squatter.Connect(server->Port(), "Host"));
    ASSERT_TRUE(JoinBob());
    ASSERT_TRUE(StartBridge());
    ASSERT_TRUE(BobSawJoin("Host_"));

    BridgeConsole console(bridge->SocketPath());
    EXPECT_EQ(console.Say("Start marker"), QByteArray("0"));
    bob->Esp("Host_", "$");
    bob->Esp("Host", "not for the bridge");
    ASSERT_TRUE(console.ChatTextHas("ESP from Bob: $\r\n"));
    const QByteArray text = *console.ChatText();
    EXPECT_TRUE(text.contains("Host_: Start marker\r\n")) << text.constData();
    EXPECT_FALSE(text.contains("not for the bridge"));
    ASSERT_TRUE(bob->WaitForCountFrom("Host_", 1));

    // Once the nick is free again (a lost connection of the host's own timed out), the bridge
    // takes it back, and it is the host's name from then on.
    squatter.Quit();
    ASSERT_TRUE(bob->WaitForLine(
        [](const QByteArray& line) {
            return line.startsWith(":Host_!") && line.contains(" NICK ");
        },
        5000));
    bob->Esp("Host", "$$");
    ASSERT_TRUE(console.ChatTextHas("ESP from Bob: $$\r\n"));
    EXPECT_EQ(console.Say("back as Host"), QByteArray("0"));
    EXPECT_TRUE(console.ChatTextHas("\r\nHost: back as Host\r\n"));
}

TEST_F(IrcBridgeSignOn, WithoutSaslOnTheServerItSignsOnAndNeverShowsThePassword)
{
    ASSERT_TRUE(StartServer());
    ASSERT_TRUE(JoinBob());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // ngircd offers no SASL, so the bridge signs on without it; a server password it would
    // refuse, as it has none.
    env.insert(u"QUILLO_IRC_SASL_PASSWORD"_s, u"hunter2-sasl"_s);
    ASSERT_TRUE(StartBridge("Host", env));
    ASSERT_TRUE(BobSawJoin());
    EXPECT_EQ(bridge->Stop(), 0);
    EXPECT_FALSE(bridge->Log().contains(u"hunter2"_s)) << bridge->Log().toStdString();
    EXPECT_FALSE(bridge->Output().contains(u"hunter2"_s));
}

TEST_F(IrcBridgeSignOn, ANickTooLongForTheServerIsCutAndStillSignsOn)
{
    ASSERT_TRUE(StartServer()); // takes nicks of up to 30 characters
    ASSERT_TRUE(JoinBob());
    const QByteArray nick = "TheQuilloHostOfTheEveningAtTable7";
    ASSERT_GT(nick.size(), 30);
    ASSERT_TRUE(StartBridge(nick));
    ASSERT_TRUE(BobSawJoin(nick.left(9)));
    BridgeConsole console(bridge->SocketPath());
    EXPECT_EQ(console.Say("marker"), QByteArray("0"));
    EXPECT_TRUE(console.ChatTextHas("TheQuillo: marker\r\n"));
}
