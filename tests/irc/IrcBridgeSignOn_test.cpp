#include "irc/support/BridgeConsole.h"
#include "irc/support/BridgeOnIrcServer.h"
#include "support/WaitUntil.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

using namespace Qt::StringLiterals;

// How the bridge gets onto the server when its nick or its password does not fit.
class IrcBridgeSignOn : public BridgeOnIrcServer
{
};

TEST_F(IrcBridgeSignOn, ANickInUseGetsAnAlternativeThatStaysTheHostsNameWhileAConsoleIsOn)
{
    ASSERT_TRUE(StartServer());
    IrcTestClient squatter;
    ASSERT_TRUE(squatter.Connect(server->Port(), "Host"));
    ASSERT_TRUE(JoinBob());
    ASSERT_TRUE(StartBridge());
    ASSERT_TRUE(BobSawJoin("Host_"));

    auto console = std::make_unique<BridgeConsole>(bridge->SocketPath());
    EXPECT_EQ(console->Say("Start marker"), QByteArray("0"));
    bob->Esp("Host_", "$");
    bob->Esp("Host", "not for the bridge");
    ASSERT_TRUE(console->ChatTextHas("ESP from Bob: $\r\n"));
    const QByteArray text = *console->ChatText();
    EXPECT_TRUE(text.contains("Host_: Start marker\r\n")) << text.constData();
    EXPECT_FALSE(text.contains("not for the bridge"));
    ASSERT_TRUE(bob->WaitForCountFrom("Host_", 1));

    // The nick comes free (a lost connection of the host's own timed out), but this console's
    // players were told Host_: the bridge keeps it while the console is on...
    const auto nickChange = [](const QByteArray& line) {
        return line.startsWith(":Host_!") && line.contains(" NICK ");
    };
    squatter.Quit();
    ASSERT_TRUE(WaitUntil([&] { return bridge->Log().contains(u"keeping the nick Host_"_s); }))
        << bridge->Log().toStdString();
    EXPECT_EQ(console->Say("still Host_"), QByteArray("0"));
    EXPECT_TRUE(console->ChatTextHas("\r\nHost_: still Host_\r\n"));
    EXPECT_FALSE(std::any_of(bob->Lines().begin(), bob->Lines().end(), nickChange));

    // ... and takes it back once the console is gone: the next console's host is Host.
    console.reset();
    ASSERT_TRUE(bob->WaitForLine(nickChange, 5000));
    BridgeConsole next(bridge->SocketPath());
    bob->Esp("Host", "$$");
    ASSERT_TRUE(next.ChatTextHas("ESP from Bob: $$\r\n"));
    EXPECT_EQ(next.Say("back as Host"), QByteArray("0"));
    EXPECT_TRUE(next.ChatTextHas("\r\nHost: back as Host\r\n"));
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
