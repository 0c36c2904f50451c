#include "irc/IrcChatClient.h"
#include "irc/IrcConnection.h"
#include "irc/IrcOptions.h"
#include "irc/support/ScriptedIrcServer.h"
#include "support/WaitUntil.h"

#include <QStringBuilder>

#include <gtest/gtest.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// The bridge in this process: connection and chat client, with a console's callbacks.
struct Bridge
{
    explicit Bridge(const QString& url, QStringList extra = {},
                    const QProcessEnvironment& env = QProcessEnvironment(), int holdMs = 3000)
    {
        QStringList args{u"quillo-irc"_s, u"--nick"_s,          u"Host"_s, u"--reconnect-min"_s,
                         u"50"_s,         u"--reconnect-max"_s, u"200"_s};
        args += extra;
        args.append(url);
        options = *IrcOptions::Parse(args, env, nullptr);
        connection = std::make_unique<IrcConnection>(options);
        client = std::make_unique<IrcChatClient>(*connection, holdMs);
        ChatCallbacks callbacks;
        callbacks.OnStatus = [this](const QByteArray& s) { status = s; };
        callbacks.OnNotify = [this](const QByteArray& nick, std::int16_t value,
                                    const QByteArray& text) {
            notices.append({nick, value, text});
        };
        client->InitDDE("quillo", std::move(callbacks));
        connection->Start();
    }
    // A call and the status it was answered with once the server had its say ("none" when
    // none came in time); Send only makes the call.
    QByteArray Call(std::int16_t mode, const QByteArray& target, const QByteArray& text)
    {
        Send(mode, target, text);
        WaitUntil([&] { return status != "none"; }, 5000);
        return status;
    }
    void Send(std::int16_t mode, const QByteArray& target, const QByteArray& text)
    {
        status = "none";
        client->DapiCommunicate("quillo", mode, target, text);
    }
    QByteArray Say(const QByteArray& text)
    {
        return Call(ChatModeRoom, {}, text);
    }
    QByteArray Text() const
    {
        return client->Transcript().Text();
    }

    struct Notice
    {
        QByteArray Nick;
        std::int16_t Value;
        QByteArray Text;
    };

    IrcOptions options;
    std::unique_ptr<IrcConnection> connection;
    std::unique_ptr<IrcChatClient> client;
    QByteArray status;
    QList<Notice> notices;
};

} // namespace

TEST(IrcConnection, HostileServerInputIsDroppedWithoutEffect)
{
    ScriptedIrcServer server;
    Bridge bridge(server.Url());
    ASSERT_TRUE(server.SignOn());
    ASSERT_TRUE(WaitUntil([&] { return bridge.Say("ready") == "0"; }));

    server.Send(":Eve!e@h PRIVMSG #quillo :" + QByteArray(20000, 'x') + "\r\n");
    server.Send(":Bob!b@h PRIVMSG #quillo :ok1\r\n");
    server.Send(": PRIVMSG #quillo :bare prefix\r\n:Bob!b@h PRIVMSG\r\n"
                "PRIVMSG #quillo :no prefix\r\n:Bob!b@h PRIVMSG #quillo too many words\r\n");
    server.Send(QByteArray(":Bob!b@h PRIVMSG #quillo :nul\0byte\r\n", 36));
    server.Send(":Ev\x01"
                "e!x@h PRIVMSG Host :$\r\n:Jos\xc3\xa9!x@h PRIVMSG Host :$\r\n"
                ":1abc!x@h PRIVMSG Host :$\r\n:Eve!x@h PRIVMSG Alice :$\r\n");
    QByteArray flood;
    for (int i = 0; i < 500; ++i)
        flood += ":Bob!b@h PRIVMSG Host :\x01VERSION\x01\r\n:Bob!b@h NOTICE Host :n\r\n";
    server.Send(flood);
    // A stream that never ends its line: passed over, the next line read again.
    const QByteArray chunk(1024 * 1024, 'y');
    for (int i = 0; i < 8; ++i)
        server.Send(chunk);
    server.Send("\r\nPING :tok3n\r\n:Bob!b@h PRIVMSG Host :$\r\n");
    ASSERT_TRUE(server.WaitForLine("PONG tok3n"));
    ASSERT_TRUE(WaitUntil([&] { return bridge.Text().contains("ESP from Bob: $"); }));
    EXPECT_EQ(bridge.Text(), QByteArray("Host: ready\r\n"
                                        "Bob: ok1\r\n"
                                        "ESP from Bob: $\r\n"));
    for (const QByteArray& line : server.Lines())
        EXPECT_FALSE(line.startsWith("NOTICE")) << line.constData(); // CTCP is never answered
    EXPECT_EQ(server.Connections(), 1);
    EXPECT_EQ(bridge.Say("still here"), QByteArray("0"));
}

TEST(IrcConnection, ALineNotConfirmedWhenTheLinkIsLostIsRefusedAndNeverSaidAgain)
{
    ScriptedIrcServer server;
    Bridge bridge(server.Url());
    ASSERT_TRUE(server.SignOn());
    ASSERT_TRUE(WaitUntil([&] { return bridge.connection->IsJoined(); }));
    EXPECT_EQ(bridge.Say("one"), QByteArray("0"));
    server.AnswerPings(false);
    bridge.Send(ChatModeRoom, {}, "two");
    ASSERT_TRUE(server.WaitForLine("PRIVMSG #quillo two"));
    EXPECT_EQ(bridge.status, QByteArray("none")); // the server has not said it took it
    server.Drop();
    ASSERT_TRUE(WaitUntil([&] { return bridge.status == "-1"; }));
    EXPECT_EQ(bridge.Say("lost"), QByteArray("-1"));

    server.AnswerPings(true);
    ASSERT_TRUE(WaitUntil([&] { return server.Connections() == 2; }));
    ASSERT_TRUE(server.SignOn());
    ASSERT_TRUE(WaitUntil([&] { return bridge.Say("three") == "0"; }));
    const QList<QByteArray> lines = server.Lines();
    EXPECT_LT(lines.indexOf("JOIN #quillo"), lines.indexOf("PRIVMSG #quillo three"));
    EXPECT_FALSE(lines.contains("PRIVMSG #quillo two"));
    EXPECT_FALSE(lines.contains("PRIVMSG #quillo lost"));
    EXPECT_EQ(bridge.Text(), QByteArray("Host: one\r\nHost: three\r\n"));

    // Kicked: calls are refused until the bridge is back in the channel.
    server.Send(":Op!o@h KICK #quillo Host :out\r\n");
    ASSERT_TRUE(WaitUntil([&] { return bridge.Say("kicked") == "-1"; }));
    ASSERT_TRUE(WaitUntil([&] { return server.Lines().count("JOIN #quillo") == 2; }));
    server.Send(":Host!q@h JOIN #quillo\r\n");
    ASSERT_TRUE(WaitUntil([&] { return bridge.Say("back") == "0"; }));
}

TEST(IrcConnection, WithEchoMessageTheServersEchoIsTheOnlyCopy)
{
    ScriptedIrcServer server;
    Bridge bridge(server.Url());
    ASSERT_TRUE(server.WaitForLine("CAP LS 302"));
    server.Send(":srv CAP * LS :echo-message multi-prefix\r\n");
    ASSERT_TRUE(server.WaitForLine("CAP REQ echo-message"));
    server.Send(":srv CAP * ACK :echo-message\r\n");
    ASSERT_TRUE(server.WaitForLine("CAP END"));
    server.Send(":srv 001 Host :Welcome\r\n");
    ASSERT_TRUE(server.WaitForLine("JOIN #quillo"));
    server.Send(":Host!q@h JOIN #quillo\r\n");
    ASSERT_TRUE(WaitUntil([&] { return bridge.connection->IsJoined(); }));
    bridge.Send(ChatModeRoom, {}, "hello there");
    ASSERT_TRUE(server.WaitForLine("PRIVMSG #quillo :hello there"));
    // Until the echo the line is neither shown nor confirmed, and no PING is needed for it. The
    // server's own PING answered is the sign the bridge has handled all it was sent till then.
    server.Send("PING :past\r\n");
    ASSERT_TRUE(server.WaitForLine("PONG past"));
    EXPECT_TRUE(bridge.Text().isEmpty());
    EXPECT_EQ(bridge.status, QByteArray("none"));
    server.Send(":Host!q@h PRIVMSG #quillo :hello there\r\n");
    ASSERT_TRUE(WaitUntil([&] { return bridge.status == "0"; }));
    EXPECT_EQ(bridge.Text(), QByteArray("Host: hello there\r\n"));
    EXPECT_FALSE(server.Lines().last().startsWith("PING"));

    // A refusal instead of the echo; a line the server drops without a word, found out by the
    // PING the bridge sends when the server stays silent about it.
    bridge.Send(ChatModeRoom, {}, "refused");
    ASSERT_TRUE(server.WaitForLine("PRIVMSG #quillo refused"));
    server.Send(":srv 404 Host #quillo :Cannot send to channel (+m)\r\n");
    ASSERT_TRUE(WaitUntil([&] { return bridge.status == "-1"; }));
    EXPECT_EQ(bridge.Call(ChatModeRoom, {}, "dropped"), QByteArray("-1"));
    EXPECT_EQ(bridge.Text(), QByteArray("Host: hello there\r\n"));
    ASSERT_FALSE(bridge.notices.isEmpty());
    EXPECT_EQ(bridge.notices.last().Value, 2);
    EXPECT_EQ(bridge.notices.last().Text, "Cannot speak in #quillo: Cannot send to channel (+m)");
}

TEST(IrcConnection, ServerPasswordAndSaslPlainComeFromTheEnvironment)
{
    ScriptedIrcServer server;
    QProcessEnvironment env;
    env.insert(u"QUILLO_IRC_PASSWORD"_s, u"serverpw"_s);
    env.insert(u"QUILLO_IRC_SASL_PASSWORD"_s, u"saslpw"_s);
    Bridge bridge(server.Url(), {u"--sasl-user"_s, u"acct"_s}, env);
    ASSERT_TRUE(server.WaitForLine("USER quillo 0 * :Quillo Console"));
    EXPECT_EQ(server.Lines().mid(0, 3),
              (QList<QByteArray>{"CAP LS 302", "PASS serverpw", "NICK Host"}));
    server.Send(":srv CAP * LS :sasl=PLAIN\r\n");
    ASSERT_TRUE(server.WaitForLine("CAP REQ sasl"));
    server.Send(":srv CAP * ACK :sasl\r\n");
    ASSERT_TRUE(server.WaitForLine("AUTHENTICATE PLAIN"));
    server.Send("AUTHENTICATE +\r\n");
    ASSERT_TRUE(
        server.WaitForLine("AUTHENTICATE " + QByteArray("acct\0acct\0saslpw", 16).toBase64()));
    server.Send(":srv 903 Host :SASL authentication successful\r\n");
    ASSERT_TRUE(server.WaitForLine("CAP END"));
    server.Send(":srv 001 Host :Welcome\r\n");
    ASSERT_TRUE(server.WaitForLine("JOIN #quillo"));
}

TEST(IrcConnection, TheHostsOwnLinesShowOnceWithoutEchoMessage)
{
    ScriptedIrcServer server;
    Bridge bridge(server.Url());
    ASSERT_TRUE(server.SignOn());
    ASSERT_TRUE(WaitUntil([&] { return bridge.Say("said") == "0"; }));
    EXPECT_EQ(bridge.Call(ChatModeEsp, "Bob", "to Bob"), QByteArray("0"));
    bridge.Send(ChatModeEsp, "Host", "to myself");
    ASSERT_TRUE(server.WaitForLine("PRIVMSG Host :to myself"));
    server.Send(":Host!q@h PRIVMSG Host :to myself\r\n"); // the server delivers it
    ASSERT_TRUE(WaitUntil([&] { return bridge.Text().contains("myself"); }));
    EXPECT_EQ(bridge.Text(), QByteArray("Host: said\r\n"
                                        "ESP to Bob: to Bob\r\n"
                                        "ESP from Host: to myself\r\n"));
}

TEST(IrcConnection, AStatusHeldTooLongAnswersBusyAndTheRepeatContinuesTheSameLine)
{
    ScriptedIrcServer server;
    Bridge bridge(server.Url(), {}, {}, 300);
    ASSERT_TRUE(server.SignOn());
    ASSERT_TRUE(WaitUntil([&] { return bridge.connection->IsJoined(); }));
    server.AnswerPings(false);
    EXPECT_EQ(bridge.Say("slow"), QByteArray("6"));
    EXPECT_EQ(bridge.Say("slow"), QByteArray("6")); // the console's repeat
    bridge.Send(ChatModeRoom, {}, "slow");
    QByteArray ping;
    for (const QByteArray& line : server.Lines())
        ping = line.startsWith("PING ") ? line : ping;
    ASSERT_FALSE(ping.isEmpty());
    server.Send(":srv PONG srv :" + ping.mid(ping.lastIndexOf(' ') + 1).replace(":", "") + "\r\n");
    ASSERT_TRUE(WaitUntil([&] { return bridge.status == "0"; }));
    EXPECT_EQ(server.Lines().count("PRIVMSG #quillo slow"), 1);
    // Said again once its status is given, the same text is a new line.
    server.AnswerPings(true);
    EXPECT_EQ(bridge.Say("slow"), QByteArray("0"));
    EXPECT_EQ(server.Lines().count("PRIVMSG #quillo slow"), 2);
}

TEST(IrcConnection, TheConsoleIsToldWhereTheBridgeStandsAndWhenTheServerChangesItsNick)
{
    ScriptedIrcServer server;
    Bridge bridge(server.Url());
    ASSERT_TRUE(server.SignOn());
    ASSERT_TRUE(
        WaitUntil([&] { return !bridge.notices.isEmpty() && bridge.notices.last().Value == 0; }));
    EXPECT_EQ(bridge.notices.first().Value, 1);
    EXPECT_EQ(bridge.notices.last().Nick, "Host");
    EXPECT_EQ(bridge.notices.last().Text, "In #quillo as Host");

    server.Send(":Host!q@h NICK Host2\r\n"); // the server's doing, not the bridge's
    ASSERT_TRUE(WaitUntil([&] { return bridge.notices.last().Value == 3; }));
    EXPECT_EQ(bridge.notices.last().Nick, "Host2");
    EXPECT_EQ(bridge.notices.last().Text, "Players must now ESP Host2 (was Host)");
    EXPECT_EQ(bridge.Say("as Host2"), QByteArray("0"));
    EXPECT_TRUE(bridge.Text().endsWith("Host2: as Host2\r\n"));

    server.Drop();
    ASSERT_TRUE(WaitUntil([&] { return bridge.notices.last().Value == 1; }));
    EXPECT_TRUE(bridge.notices.last().Text.contains("closed the connection; trying again in"))
        << bridge.notices.last().Text.constData();
    // Signing on again with a console attached, it asks for the nick the players know first.
    ASSERT_TRUE(WaitUntil([&] { return server.Connections() == 2; }));
    ASSERT_TRUE(server.WaitForLine("USER quillo 0 * :Quillo Console"));
    EXPECT_TRUE(server.Lines().contains("NICK Host2"));
}
