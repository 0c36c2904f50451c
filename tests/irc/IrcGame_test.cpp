#include "console/MacroPlayback.h"
#include "console/RoundFlow.h"
#include "console/SettingsFile.h"
#include "socket/SocketChatClient.h"
#include "support/BridgeOnIrcServer.h"
#include "support/IrcBridgeProcess.h"
#include "support/IrcTestClient.h"
#include "support/NgircdServer.h"
#include "support/RecordingChatClient.h"
#include "support/TestConsole.h"
#include "support/WaitUntil.h"
#include "text/Cp1252.h"
#include "text/FixedLines.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

const QByteArray Channel = "#quillo";
const QByteArray HostNick = "Dealer";
const QList<QByteArray> Nicks = {"Cy", "Ann", "Bob"};

// The players, each a client of its own on the server.
struct Players
{
    explicit Players(quint16 port) : port(port)
    {
        for (qsizetype i = 0; i < Nicks.size(); ++i)
            clients.push_back(std::make_unique<IrcTestClient>());
    }

    bool Join()
    {
        for (qsizetype i = 0; i < Nicks.size(); ++i) {
            if (!clients[i]->Connect(port, Nicks[i]) || !clients[i]->Join(Channel))
                return false;
        }
        return true;
    }

    IrcTestClient& operator[](qsizetype i)
    {
        return *clients[static_cast<std::size_t>(i)];
    }

    quint16 port;
    std::vector<std::unique_ptr<IrcTestClient>> clients;
};

// True once `nick` is among the channel's members, as a player sees them: in the server's answer
// to NAMES, or, when it comes later, in its JOIN.
bool InChannel(IrcTestClient& player, const QByteArray& nick, int timeoutMs)
{
    player.SendRaw("NAMES " + Channel);
    bool listed = false;
    return player.WaitForLine(
        [&](const QByteArray& line) {
            const QList<QByteArray> words = line.split(' ');
            if (words.value(0).startsWith(QByteArray(":" + nick + "!")) &&
                words.value(1) == "JOIN" &&
                (words.value(2) == Channel || words.value(2) == ":" + Channel))
                return true;
            if (words.value(1) == "353") {
                for (QByteArray word : words) {
                    if (word.startsWith(':'))
                        word.remove(0, 1);
                    while (word.startsWith('@') || word.startsWith('+'))
                        word.remove(0, 1);
                    listed = listed || word == nick;
                }
            }
            return listed && words.value(1) == "366";
        },
        timeoutMs);
}

// What the console handed the bridge, as the players must see it: UTF-8 on IRC.
QByteArray OnIrc(const QByteArray& cp1252)
{
    return FromCp1252(cp1252).toUtf8();
}

// Byte strings print readably when a comparison fails.
std::vector<std::string> Printable(const QList<QByteArray>& texts)
{
    std::vector<std::string> printable;
    for (const QByteArray& text : texts)
        printable.push_back(text.toStdString());
    return printable;
}

} // namespace

class IrcGame : public BridgeOnIrcServer
{
};

// The console's own logic hosts a whole game in a real IRC channel: the bridge between them,
// three scripted players on the server, and the server itself taken away and brought back
// in the middle of a turn.
TEST_F(IrcGame, AWholeGameInAChannelReachesEveryPlayerByteForByteAcrossAServerRestartMidTurn)
{
    ASSERT_TRUE(StartServer());
    Players players(server->Port());
    ASSERT_TRUE(players.Join()) << server->Log().toStdString();

    // Its own pace, a game's: a burst of four, then a line every 60 ms.
    bridge = std::make_unique<IrcBridgeProcess>(
        QStringList{u"--nick"_s, QString::fromLatin1(HostNick), u"--send-interval"_s, u"60"_s,
                    u"--burst"_s, u"4"_s, u"--reconnect-min"_s, u"100"_s, u"--reconnect-max"_s,
                    u"400"_s, server->Url(QString::fromLatin1(Channel))});
    ASSERT_TRUE(bridge->Start()) << bridge->Log().toStdString();
    ASSERT_TRUE(InChannel(players[0], HostNick, 10000)) << bridge->Log().toStdString();

    auto socket = std::make_unique<SocketChatClient>(bridge->SocketPath());
    auto recorder = std::make_unique<RecordingChatClient>(*socket);
    auto table = std::make_unique<TestConsole>(*recorder);
    TestConsole& t = *table;
    Console& c = t.console;
    ASSERT_TRUE(SetDefaults(c));
    c.settings.LogFile = t.Path(u"Quillo.log"_s);
    c.settings.PlayersFile = t.Path(u"QOPlayers.txt"_s);
    c.settings.MonthlyFile = t.Path(u"QOPMarch03.txt"_s);
    const auto click = [&] {
        cmdSay_Click(c);
        EXPECT_FALSE(t.toolkit.Hourglass) << "the busy lock was not released";
    };
    // Waits until each player has every channel line the console said so far.
    const auto delivered = [&] {
        qsizetype said = 0;
        for (const RecordingChatClient::Said& line : recorder->Lines)
            said += line.Mode == ChatModeRoom ? 1 : 0;
        for (qsizetype i = 0; i < Nicks.size(); ++i) {
            if (!players[i].WaitFor(
                    [&](const auto&) {
                        return players[i].TextsFrom(HostNick, Channel).size() >= said;
                    },
                    20000))
                return false;
        }
        return true;
    };

    click(); // the opening: the fixed lines, and the host's name read back from the chat
    EXPECT_EQ(c.game.HostName, QString::fromLatin1(HostNick));
    EXPECT_EQ(c.game.RoundState, RoundDrawPlayer);
    txtButton_Click(c, 9); // Call for Regs
    ASSERT_TRUE(delivered()) << bridge->Log().toStdString();
    EXPECT_EQ(players[2].TextsFrom(HostNick, Channel).value(4),
              "To register ESP a $ to Dealer, if you haven't done it yet.");

    for (qsizetype i = 0; i < Nicks.size(); ++i)
        players[i].Esp(HostNick, "$");
    // The three ESPs are in the bridge's chat text before the host reads it.
    WaitUntil(
        [&] {
            t.chat.ReadAllText();
            return t.chat.ReceivedText.ToString().contains(u"ESP from Cy: $"_s) &&
                   t.chat.ReceivedText.ToString().contains(u"ESP from Ann: $"_s) &&
                   t.chat.ReceivedText.ToString().contains(u"ESP from Bob: $"_s);
        },
        10000);
    txtButton_Click(c, 10); // Get Regs
    EXPECT_EQ(c.game.PlayerCount, 3);
    for (qsizetype i = 0; i < Nicks.size(); ++i) {
        EXPECT_TRUE(players[i].WaitFor([&](const auto&) {
            return !players[i].TextsFrom(HostNick, Nicks[i]).isEmpty();
        })) << Nicks[i].constData();
        EXPECT_EQ(players[i].TextsFrom(HostNick, Nicks[i]),
                  QList<QByteArray>{"You are registered"});
    }

    QStringList drawn;
    // `meanwhile` runs half way through the turn, after the first card won.
    const auto playTurn = [&](int turn, const std::function<void()>& meanwhile) {
        click(); // Draw Player
        const QString p = c.controls.txtPlayer.Text;
        drawn.append(p);
        c.controls.cmbStart[0].Text = u"5"_s;
        click(); // Ask for Wager
        c.controls.txtWager.Text = QString::number(turn);
        c.controls.optHigher.Checked = true;
        c.controls.optLower.Checked = false;
        click(); // Say Wager
        c.controls.cmbStart[1].Text = u"K"_s;
        click(); // Say Results: a win
        if (meanwhile)
            meanwhile();
        click(); // Ask for Wager on the K
        c.controls.txtWager.Text = QString::number(10 + turn);
        c.controls.optHigher.Checked = false;
        c.controls.optLower.Checked = true;
        click();
        c.controls.cmbStart[2].Text = u"A"_s;
        click(); // a loss of everything ends the turn
        EXPECT_EQ(c.controls.cmdSay.Caption, u"Draw Player"_s);
    };

    playTurn(1, {});
    ASSERT_TRUE(delivered()) << bridge->Log().toStdString();

    // In the middle of the second turn the server goes away and comes back; the bridge finds
    // the channel again, the players come back to it, and the turn goes on.
    bool restarted = false;
    playTurn(2, [&] {
        ASSERT_TRUE(delivered()) << bridge->Log().toStdString();
        server->Stop();
        ASSERT_TRUE(server->Start()) << server->Log().toStdString();
        ASSERT_TRUE(players.Join()) << server->Log().toStdString();
        ASSERT_TRUE(InChannel(players[0], HostNick, 20000)) << bridge->Log().toStdString();
        restarted = true;
    });
    ASSERT_TRUE(restarted);
    EXPECT_TRUE(bridge->Running());
    playTurn(3, {});
    txtButton_Click(c, 8); // Scores
    ASSERT_TRUE(delivered()) << bridge->Log().toStdString();
    EXPECT_FALSE(c.controls.cmdSay.Enabled); // everyone has played

    // Every line the console said went out (none was refused), and each player heard the
    // channel's lines, and their own ESPs, exactly as said and in order.
    QList<QByteArray> channel;
    QList<QList<QByteArray>> esps(Nicks.size());
    for (const RecordingChatClient::Said& line : recorder->Lines) {
        EXPECT_EQ(line.Status, "0") << line.Text.constData();
        if (line.Mode == ChatModeRoom)
            channel.append(OnIrc(line.Text));
        else
            esps[Nicks.indexOf(line.Target)].append(OnIrc(line.Text));
    }
    for (qsizetype i = 0; i < Nicks.size(); ++i) {
        SCOPED_TRACE(Nicks[i].constData());
        EXPECT_EQ(Printable(players[i].TextsFrom(HostNick, Channel)), Printable(channel));
        EXPECT_EQ(Printable(players[i].TextsFrom(HostNick, Nicks[i])), Printable(esps[i]));
    }

    // And those were the game's lines: the opening, a turn per player, the scores.
    ASSERT_GE(channel.size(), 5);
    EXPECT_EQ(channel[0], OpeningBanner().toUtf8());
    EXPECT_EQ(channel[3], "To register ESP a $ to Dealer.");
    EXPECT_EQ(drawn.size(), 3);
    drawn.sort();
    EXPECT_EQ(drawn, (QStringList{u"Ann"_s, u"Bob"_s, u"Cy"_s}));
    for (int turn = 1; turn <= 3; ++turn) {
        EXPECT_TRUE(
            channel.contains("OK " + QByteArray::number(turn) + " higher.  Please turn card 1"))
            << turn;
    }
    EXPECT_TRUE(channel.contains(u"¤   K   ¤"_s.toUtf8()));
    EXPECT_EQ(Printable(channel.mid(channel.size() - 5)),
              Printable({"o=o Scores o=o", "Cy has 0 points", "Bob has 0 points",
                         "Ann has 0 points", "o=o=o=o=o"}));

    // The console ends without a word (a crash) and a new one comes: the bridge kept the
    // channel's chat text, so a recovery finds the game where it was.
    table.reset();
    recorder.reset();
    socket.reset();
    SocketChatClient again(bridge->SocketPath());
    TestConsole second(again);
    // Until the bridge has seen the old connection close, it turns a newcomer away.
    WaitUntil([&] { return second.chat.InitDDE(); }, 5000);
    ASSERT_TRUE(second.chat.ReadAllText());
    const QString text = second.chat.ReceivedText.ToString();
    EXPECT_TRUE(text.contains(u"Dealer: "_s + OpeningBanner() + u"\r\n"_s));
    EXPECT_TRUE(text.contains(u"ESP from Ann: $\r\n"_s));
    EXPECT_TRUE(text.endsWith(u"Dealer: o=o Scores o=o\r\nDealer: Cy has 0 points\r\n"
                              u"Dealer: Bob has 0 points\r\nDealer: Ann has 0 points\r\n"
                              u"Dealer: o=o=o=o=o"_s))
        << text.right(200).toStdString();
    EXPECT_EQ(bridge->Stop(), 0);
}
