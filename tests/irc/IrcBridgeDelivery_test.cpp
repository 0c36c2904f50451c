#include "console/Roster.h"
#include "socket/SocketChatClient.h"
#include "support/BridgeOnIrcServer.h"
#include "support/IrcServerCase.h"
#include "support/RecordingChatClient.h"
#include "support/TestConsole.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <memory>

using namespace Qt::StringLiterals;

// The console's lines reach the channel as fast as the server takes them and no faster, on
// servers with their usual flood limits, and the status of each says whether it was taken.
namespace {

// A console of the game's own logic on the socket client, through the bridge.
struct SocketTable
{
    explicit SocketTable(const QString& socketPath)
        : socket(socketPath), recorder(socket), table(recorder)
    {
        table.console.settings.Delay = SpeedVeryFast; // Very Fast
    }

    SocketChatClient socket;
    RecordingChatClient recorder;
    TestConsole table;
};

} // namespace

class IrcBridgeDelivery : public BridgeOnIrcServer,
                          public ::testing::WithParamInterface<IrcServerCase>
{
protected:
    void SetUp() override
    {
        BridgeOnIrcServer::SetUp();
        if (!GetParam().Installed())
            GTEST_SKIP() << GetParam().Missing().toStdString();
    }
};

INSTANTIATE_TEST_SUITE_P(OnEachServer, IrcBridgeDelivery, ::testing::ValuesIn(IrcServerCases()),
                         IrcServerCaseName);

TEST_P(IrcBridgeDelivery, SixtyLongLinesAtVeryFastArriveWholeInOrderAsTheConsoleSaysThem)
{
    ASSERT_TRUE(StartHostedChannel(GetParam().Make()));
    SocketTable t(bridge->SocketPath());
    GameState& g = t.table.console.game;
    // A score list of 60 lines of 400 bytes: a banner, 58 players, a closing rule.
    g.PlayerCount = 58;
    for (int i = 1; i <= g.PlayerCount; ++i) {
        PlayerRecord& p = g.PlayerTable[static_cast<std::size_t>(i)];
        p.Name = u"Player%1-"_s.arg(i, 2, 10, QChar(u'0')).leftJustified(386, QChar(u'x'));
        p.Score = 10;
    }
    QElapsedTimer took;
    took.start();
    SayScores(t.table.console);
    const qint64 saidInMs = took.elapsed();

    // Every line was taken when its call returned: all of them are with the players at once.
    ASSERT_TRUE(bob->WaitForCountFrom("Host", 60, 2000))
        << bob->TextsFrom("Host").size() << " lines after " << saidInMs << " ms\n"
        << bridge->Log().toStdString();
    QList<QByteArray> expected;
    for (const RecordingChatClient::Said& line : t.recorder.Lines) {
        EXPECT_EQ(line.Status, "0") << line.Text.left(20).constData();
        expected.append(line.Text);
    }
    ASSERT_EQ(expected.size(), 60);
    EXPECT_EQ(expected[1].size(), 400);
    EXPECT_EQ(bob->TextsFrom("Host", "#quillo"), expected);
    for (const QByteArray& line : bob->Lines())
        EXPECT_FALSE(line.startsWith(":Host!") && line.contains(" QUIT ")) << line.constData();
    EXPECT_FALSE(bridge->Log().contains(u"disconnected"_s)) << bridge->Log().toStdString();
}

TEST_P(IrcBridgeDelivery, ALineTheServerRefusesAnswersMinusOneAndNeverShowsAsSaid)
{
    ASSERT_TRUE(StartHostedChannel(GetParam().Make()));
    SocketTable t(bridge->SocketPath());
    ChatLink& chat = t.table.chat;
    chat.SayLine(ChatModeRoom, {}, u"before"_s);
    EXPECT_EQ(chat.StatusText, u"0"_s);

    // Bob opened the channel, so he may moderate it.
    bob->SendRaw("MODE #quillo +m");
    ASSERT_TRUE(bob->WaitForLine([](const QByteArray& l) { return l.contains(" MODE #quillo"); }));
    chat.SayLine(ChatModeRoom, {}, u"unheard"_s);
    EXPECT_EQ(chat.StatusText, u"-1"_s);
    chat.SayLine(ChatModeEsp, u"Nobody"_s, u"You are registered"_s);
    EXPECT_EQ(chat.StatusText, u"-1"_s);
    chat.SayLine(ChatModeEsp, u"Bob"_s, u"heard"_s);
    EXPECT_EQ(chat.StatusText, u"0"_s);

    bob->SendRaw("MODE #quillo -m");
    ASSERT_TRUE(bob->WaitForLine(
        [](const QByteArray& l) { return l.contains(" MODE #quillo") && l.contains("-m"); }));
    chat.SayLine(ChatModeRoom, {}, u"after"_s);
    EXPECT_EQ(chat.StatusText, u"0"_s);
    ASSERT_TRUE(chat.ReadAllText());
    EXPECT_TRUE(chat.ReceivedText.ToString().endsWith(
        u"Host: before\r\nESP to Bob: heard\r\nHost: after"_s))
        << chat.ReceivedText.ToString().toStdString();
    ASSERT_TRUE(bob->WaitForCountFrom("Host", 3));
    EXPECT_EQ(bob->TextsFrom("Host"), (QList<QByteArray>{"before", "heard", "after"}));
}
