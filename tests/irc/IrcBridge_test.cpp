#include "chat/SocketChatClient.h"
#include "irc/support/IrcBridgeProcess.h"
#include "irc/support/IrcTestClient.h"
#include "irc/support/NgircdServer.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QStringBuilder>
#include <QTcpServer>
#include <QThread>

#include <gtest/gtest.h>

#include <memory>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 10000)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired())
            return done();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
    return true;
}

// The console's side of the link, as the console makes its calls.
class Console
{
public:
    explicit Console(const QString& socket) : chat_(socket)
    {
        ChatCallbacks callbacks;
        callbacks.OnStatus = [this](const QByteArray& s) { status_ = s; };
        callbacks.OnText = [this](const QByteArray& t) {
            text_ = t;
            ++texts_;
        };
        init_ = chat_.InitDDE("quillo", std::move(callbacks));
        chat_.DapiRegister("quillo");
    }

    int Init() const
    {
        return init_;
    }
    QByteArray Say(const QByteArray& text)
    {
        status_ = "none";
        chat_.DapiCommunicate("quillo", 0, {}, text);
        return status_;
    }
    QByteArray Esp(const QByteArray& nick, const QByteArray& text, std::int16_t mode = 2)
    {
        status_ = "none";
        chat_.DapiCommunicate("quillo", mode, nick, text);
        return status_;
    }
    // The chat text as GETALLTEXT delivers it; empty when it did not come.
    std::optional<QByteArray> ChatText()
    {
        const int before = texts_;
        status_ = "none";
        chat_.DapiGetAllText("quillo");
        if (status_ != "0" || !WaitUntil([&] { return texts_ > before; }, 5000))
            return std::nullopt;
        return text_;
    }
    // Waits until the chat text holds the bytes.
    bool ChatTextHas(const QByteArray& bytes, int timeoutMs = 10000)
    {
        return WaitUntil(
            [&] {
                const auto text = ChatText();
                return text && text->contains(bytes);
            },
            timeoutMs);
    }
    SocketChatClient& Chat()
    {
        return chat_;
    }

private:
    SocketChatClient chat_;
    int init_ = -1;
    QByteArray status_;
    QByteArray text_;
    int texts_ = 0;
};

bool SawJoin(IrcTestClient& player, const QByteArray& nick, int timeoutMs = 10000)
{
    const QByteArray prefix = ":" + nick + "!";
    const auto isJoin = [&](const QByteArray& line) {
        return line.startsWith(prefix) && line.contains(" JOIN ");
    };
    for (const QByteArray& line : player.Lines()) {
        if (isJoin(line))
            return true;
    }
    return player.WaitForLine(isJoin, timeoutMs);
}

QStringList FastArguments(const QByteArray& nick, const QString& url)
{
    return {u"--nick"_s,
            QString::fromUtf8(nick),
            u"--send-interval"_s,
            u"100"_s,
            u"--reconnect-min"_s,
            u"100"_s,
            u"--reconnect-max"_s,
            u"400"_s,
            url};
}

#define REQUIRE_NGIRCD()                                                                           \
    if (!NgircdServer::Installed())                                                                \
    GTEST_SKIP() << NgircdServer::MissingMessage().toStdString()

} // namespace

TEST(IrcBridge, CarriesLinesAndEspsBothWaysInTheConsolesForms)
{
    REQUIRE_NGIRCD();
    NgircdServer server;
    ASSERT_TRUE(server.Start()) << server.Log().toStdString();
    IrcTestClient bob;
    ASSERT_TRUE(bob.Connect(server.Port(), "Bob"));
    ASSERT_TRUE(bob.Join("#quillo"));
    IrcBridgeProcess bridge(FastArguments("Host", server.Url(u"quillo"_s)));
    ASSERT_TRUE(bridge.Start()) << bridge.Log().toStdString();
    ASSERT_TRUE(SawJoin(bob, "Host")) << bridge.Log().toStdString();

    Console console(bridge.SocketPath());
    ASSERT_EQ(console.Init(), 0);
    EXPECT_EQ(console.Say("\xd7\xd7 Hello \x80"), QByteArray("0"));
    EXPECT_EQ(console.Esp("Bob", "You are registered"), QByteArray("0"));
    EXPECT_EQ(console.Esp("Bob", "x", 1), QByteArray("-1"));
    EXPECT_EQ(console.Esp("Mary Ann", "x"), QByteArray("-1"));
    ASSERT_TRUE(bob.WaitForCountFrom("Host", 2));
    EXPECT_EQ(bob.TextsFrom("Host", "#quillo"),
              (QList<QByteArray>{"\xc3\x97\xc3\x97 Hello \xe2\x82\xac"}));
    EXPECT_EQ(bob.TextsFrom("Host", "Bob"), (QList<QByteArray>{"You are registered"}));

    bob.Say("#quillo", "hi \xc3\xa9");
    bob.Esp("Host", "\x01VERSION\x01");
    bob.SendRaw("NOTICE Host :a notice");
    bob.Esp("Host", "$");
    bob.Esp("Host", "\xc2\xb5"); // a gesture
    bob.Esp("Host", "caf\xe9");  // Latin-1
    ASSERT_TRUE(console.ChatTextHas("ESP from Bob: caf\xe9\r\n"));
    EXPECT_EQ(*console.ChatText(), QByteArray("Host: \xd7\xd7 Hello \x80\r\n"
                                              "ESP to Bob: You are registered\r\n"
                                              "Bob: hi \xe9\r\n"
                                              "ESP from Bob: $\r\n"
                                              "ESP from Bob: <wave>\r\n"
                                              "ESP from Bob: caf\xe9\r\n"));
}

TEST(IrcBridge, SixtyLinesSaidAtFullSpeedArriveWholeAndInOrderWithoutADisconnect)
{
    REQUIRE_NGIRCD();
    NgircdServer server(NgircdServer::FloodControl::On);
    ASSERT_TRUE(server.Start()) << server.Log().toStdString();
    IrcTestClient bob;
    ASSERT_TRUE(bob.Connect(server.Port(), "Bob"));
    ASSERT_TRUE(bob.Join("#quillo"));
    IrcBridgeProcess bridge(FastArguments("Host", server.Url(u"quillo"_s)));
    ASSERT_TRUE(bridge.Start()) << bridge.Log().toStdString();
    ASSERT_TRUE(SawJoin(bob, "Host"));

    Console console(bridge.SocketPath());
    QList<QByteArray> said;
    for (int i = 0; i < 60; ++i) {
        said.append("Score " + QByteArray::number(i) + ": Bob 1,234 \xd7 Ann 987");
        ASSERT_EQ(console.Say(said.last()), QByteArray("0")) << i;
    }
    ASSERT_TRUE(bob.WaitForCountFrom("Host", 60, 45000)) << bob.TextsFrom("Host").size();
    QList<QByteArray> expected;
    for (const QByteArray& line : said)
        expected.append(QByteArray(line).replace("\xd7", "\xc3\x97"));
    EXPECT_EQ(bob.TextsFrom("Host", "#quillo"), expected);
    for (const QByteArray& line : bob.Lines())
        EXPECT_FALSE(line.startsWith(":Host!") && line.contains(" QUIT ")) << line.constData();
    EXPECT_FALSE(bridge.Log().contains(u"disconnected"_s)) << bridge.Log().toStdString();
    EXPECT_TRUE(bridge.Running());
}

TEST(IrcBridge, ANickInUseGetsAnAlternativeThatCountsAsTheHostsNameUntilItIsFree)
{
    REQUIRE_NGIRCD();
    NgircdServer server;
    ASSERT_TRUE(server.Start()) << server.Log().toStdString();
    IrcTestClient squatter;
    ASSERT_TRUE(squatter.Connect(server.Port(), "Host"));
    IrcTestClient bob;
    ASSERT_TRUE(bob.Connect(server.Port(), "Bob"));
    ASSERT_TRUE(bob.Join("#quillo"));
    IrcBridgeProcess bridge(FastArguments("Host", server.Url(u"quillo"_s)));
    ASSERT_TRUE(bridge.Start()) << bridge.Log().toStdString();
    ASSERT_TRUE(SawJoin(bob, "Host_")) << bridge.Log().toStdString();

    Console console(bridge.SocketPath());
    EXPECT_EQ(console.Say("Start marker"), QByteArray("0"));
    bob.Esp("Host_", "$");
    bob.Esp("Host", "not for the bridge");
    ASSERT_TRUE(console.ChatTextHas("ESP from Bob: $\r\n"));
    const QByteArray text = *console.ChatText();
    EXPECT_TRUE(text.contains("Host_: Start marker\r\n")) << text.constData();
    EXPECT_FALSE(text.contains("not for the bridge"));
    ASSERT_TRUE(bob.WaitForCountFrom("Host_", 1));

    // Once the nick is free again (a lost connection of the host's own timed out), the bridge
    // takes it back, and it is the host's name from then on.
    squatter.Quit();
    ASSERT_TRUE(bob.WaitForLine(
        [](const QByteArray& line) {
            return line.startsWith(":Host_!") && line.contains(" NICK ");
        },
        5000));
    bob.Esp("Host", "$$");
    ASSERT_TRUE(console.ChatTextHas("ESP from Bob: $$\r\n"));
    EXPECT_EQ(console.Say("back as Host"), QByteArray("0"));
    EXPECT_TRUE(console.ChatTextHas("\r\nHost: back as Host\r\n"));
}

TEST(IrcBridge, ALineOf600BytesReachesThePlayersSplitAtABlank)
{
    REQUIRE_NGIRCD();
    NgircdServer server;
    ASSERT_TRUE(server.Start()) << server.Log().toStdString();
    IrcTestClient bob;
    ASSERT_TRUE(bob.Connect(server.Port(), "Bob"));
    ASSERT_TRUE(bob.Join("#quillo"));
    IrcBridgeProcess bridge(FastArguments("Host", server.Url(u"quillo"_s)));
    ASSERT_TRUE(bridge.Start()) << bridge.Log().toStdString();
    ASSERT_TRUE(SawJoin(bob, "Host"));

    QByteArray line;
    for (int i = 0; line.size() < 600; ++i)
        line += "Player" + QByteArray::number(i) + "=" + QByteArray::number(i * 37) + " ";
    line.chop(1);
    Console console(bridge.SocketPath());
    ASSERT_EQ(console.Say(line), QByteArray("0"));
    ASSERT_TRUE(bob.WaitForCountFrom("Host", 2));
    bob.WaitFor([](const QList<ReceivedPrivmsg>&) { return false; }, 500); // nothing more
    const QList<QByteArray> pieces = bob.TextsFrom("Host", "#quillo");
    ASSERT_EQ(pieces.size(), 2);
    EXPECT_EQ(pieces[0] + " " + pieces[1], line);
    EXPECT_FALSE(pieces[0].endsWith(' '));
    EXPECT_TRUE(console.ChatTextHas(QByteArray("Host: " + pieces[1] + "\r\n")));
}

TEST(IrcBridge, AServerRestartAnswersMinusOneMeanwhileThenRejoinsKeepingTheChatText)
{
    REQUIRE_NGIRCD();
    NgircdServer server;
    ASSERT_TRUE(server.Start()) << server.Log().toStdString();
    IrcBridgeProcess bridge(FastArguments("Host", server.Url(u"quillo"_s)));
    ASSERT_TRUE(bridge.Start()) << bridge.Log().toStdString();
    auto bob = std::make_unique<IrcTestClient>();
    ASSERT_TRUE(bob->Connect(server.Port(), "Bob"));
    ASSERT_TRUE(bob->Join("#quillo"));
    Console console(bridge.SocketPath());
    ASSERT_TRUE(WaitUntil([&] { return console.Say("before") == "0"; }));
    bob->Esp("Host", "$");
    ASSERT_TRUE(console.ChatTextHas("ESP from Bob: $\r\n"));

    server.Stop();
    ASSERT_TRUE(WaitUntil([&] { return console.Esp("Bob", "lost?") == "-1"; }));
    EXPECT_EQ(console.Say("while down"), QByteArray("-1"));
    EXPECT_TRUE(console.ChatTextHas("ESP from Bob: $\r\n", 0));

    ASSERT_TRUE(server.Start()) << server.Log().toStdString();
    bob = std::make_unique<IrcTestClient>();
    ASSERT_TRUE(bob->Connect(server.Port(), "Bob"));
    ASSERT_TRUE(bob->Join("#quillo"));
    ASSERT_TRUE(WaitUntil([&] { return console.Say("after") == "0"; }))
        << bridge.Log().toStdString();
    ASSERT_TRUE(bob->WaitForCountFrom("Host", 1));
    EXPECT_EQ(bob->TextsFrom("Host", "#quillo"), (QList<QByteArray>{"after"}));
    const QByteArray text = *console.ChatText();
    EXPECT_TRUE(text.startsWith("Host: before\r\nESP from Bob: $\r\n")) << text.constData();
    EXPECT_FALSE(text.contains("while down"));
    EXPECT_TRUE(console.ChatTextHas("Host: after\r\n"));
}

TEST(IrcBridge, OutlivesItsConsoleAndANewConsoleFindsTheChatText)
{
    REQUIRE_NGIRCD();
    NgircdServer server;
    ASSERT_TRUE(server.Start()) << server.Log().toStdString();
    IrcTestClient bob;
    ASSERT_TRUE(bob.Connect(server.Port(), "Bob"));
    ASSERT_TRUE(bob.Join("#quillo"));
    IrcBridgeProcess bridge(FastArguments("Host", server.Url(u"quillo"_s)));
    ASSERT_TRUE(bridge.Start()) << bridge.Log().toStdString();
    ASSERT_TRUE(SawJoin(bob, "Host"));
    {
        auto first = std::make_unique<Console>(bridge.SocketPath());
        ASSERT_EQ(first->Say("first game"), QByteArray("0"));
        bob.Esp("Host", "$");
        ASSERT_TRUE(first->ChatTextHas("ESP from Bob: $\r\n"));
        first.reset(); // the console crashed or was closed
    }
    bob.Esp("Host", "\xc2\xb3"); // while no console listens
    ASSERT_TRUE(bob.WaitForCountFrom("Host", 1));
    QThread::msleep(200);
    EXPECT_TRUE(bridge.Running());

    Console second(bridge.SocketPath());
    ASSERT_EQ(second.Init(), 0);
    ASSERT_TRUE(second.ChatTextHas("ESP from Bob: <grin>\r\n"));
    EXPECT_TRUE(second.ChatText()->startsWith("Host: first game\r\nESP from Bob: $\r\n"));
    EXPECT_EQ(second.Say("second game"), QByteArray("0"));
    ASSERT_TRUE(bob.WaitForCountFrom("Host", 2));

    // A host's logout: QUIT on IRC, then a clean end.
    EXPECT_EQ(bridge.Stop(), 0) << bridge.Log().toStdString();
    EXPECT_TRUE(bob.WaitForLine(
        [](const QByteArray& line) { return line.startsWith(":Host!") && line.contains(" QUIT "); },
        5000));
}

TEST(IrcBridge, ABadCommandLineEndsWithAMessageAndExitCodeTwo)
{
    const QStringList bad[] = {{u"irc://127.0.0.1/#q"_s},
                               {u"--nick"_s, u"Mary Ann"_s, u"irc://127.0.0.1/#q"_s},
                               {u"--nick"_s, u"Host"_s, u"http://127.0.0.1/#q"_s}};
    for (const QStringList& arguments : bad) {
        IrcBridgeProcess bridge(arguments);
        EXPECT_FALSE(bridge.Start(5000));
        EXPECT_EQ(bridge.WaitForExit(), 2) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(bridge.Log().startsWith(u"quillo-irc: "_s)) << bridge.Log().toStdString();
    }
}

TEST(IrcBridge, ASecondBridgeOnTheSameSocketLeavesTheFirstOneAlone)
{
    REQUIRE_NGIRCD();
    NgircdServer server;
    ASSERT_TRUE(server.Start()) << server.Log().toStdString();
    IrcBridgeProcess first(FastArguments("Host", server.Url(u"quillo"_s)));
    ASSERT_TRUE(first.Start()) << first.Log().toStdString();
    IrcBridgeProcess second(QStringList{u"--socket"_s, first.SocketPath()} +
                            FastArguments("Other", server.Url(u"quillo"_s)));
    EXPECT_FALSE(second.Start(5000));
    EXPECT_EQ(second.WaitForExit(), 1);
    EXPECT_TRUE(second.Log().contains(u"already listens"_s)) << second.Log().toStdString();
    Console console(first.SocketPath());
    EXPECT_EQ(console.Init(), 0);
    EXPECT_TRUE(WaitUntil([&] { return console.Say("still mine") == "0"; }));
}

TEST(IrcBridge, WithoutSaslOnTheServerItSignsOnAndNeverShowsThePassword)
{
    REQUIRE_NGIRCD();
    NgircdServer server;
    ASSERT_TRUE(server.Start()) << server.Log().toStdString();
    IrcTestClient bob;
    ASSERT_TRUE(bob.Connect(server.Port(), "Bob"));
    ASSERT_TRUE(bob.Join("#quillo"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // ngircd offers no SASL, so the bridge signs on without it; a server password it would
    // refuse, as it has none.
    env.insert(u"QUILLO_IRC_SASL_PASSWORD"_s, u"hunter2-sasl"_s);
    IrcBridgeProcess bridge(FastArguments("Host", server.Url(u"quillo"_s)), env);
    ASSERT_TRUE(bridge.Start()) << bridge.Log().toStdString();
    ASSERT_TRUE(SawJoin(bob, "Host")) << bridge.Log().toStdString();
    EXPECT_EQ(bridge.Stop(), 0);
    EXPECT_FALSE(bridge.Log().contains(u"hunter2"_s)) << bridge.Log().toStdString();
    EXPECT_FALSE(bridge.Output().contains(u"hunter2"_s));
}

TEST(IrcBridge, ANickTooLongForTheServerIsCutAndStillSignsOn)
{
    REQUIRE_NGIRCD();
    NgircdServer server; // takes nicks of up to 30 characters
    ASSERT_TRUE(server.Start()) << server.Log().toStdString();
    IrcTestClient bob;
    ASSERT_TRUE(bob.Connect(server.Port(), "Bob"));
    ASSERT_TRUE(bob.Join("#quillo"));
    const QByteArray nick = "TheQuilloHostOfTheEveningAtTable7";
    ASSERT_GT(nick.size(), 30);
    IrcBridgeProcess bridge(FastArguments(nick, server.Url(u"quillo"_s)));
    ASSERT_TRUE(bridge.Start()) << bridge.Log().toStdString();
    ASSERT_TRUE(SawJoin(bob, nick.left(9))) << bridge.Log().toStdString();
    Console console(bridge.SocketPath());
    EXPECT_EQ(console.Say("marker"), QByteArray("0"));
    EXPECT_TRUE(console.ChatTextHas("TheQuillo: marker\r\n"));
}

TEST(IrcBridge, EndsAtOnceOnSigtermWhileNoServerAnswers)
{
    quint16 port = 0;
    {
        QTcpServer probe; // a port nobody listens on once it is closed
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
        port = probe.serverPort();
    }
    IrcBridgeProcess bridge(FastArguments("Host", u"irc://127.0.0.1:%1/#quillo"_s.arg(port)));
    ASSERT_TRUE(bridge.Start()) << bridge.Log().toStdString();
    Console console(bridge.SocketPath());
    EXPECT_EQ(console.Init(), 0); // the bridge is there while IRC is not
    EXPECT_EQ(console.Say("nobody hears"), QByteArray("-1"));
    QThread::msleep(300); // between two tries
    EXPECT_EQ(bridge.Stop(2000), 0) << bridge.Log().toStdString();
}
