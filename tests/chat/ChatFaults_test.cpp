#include "chat/ChatLink.h"
#include "chat/HostNameInChat.h"
#include "console/Console.h"
#include "console/HostName.h"
#include "console/Placeholders.h"
#include "console/Roster.h"
#include "room/PracticeRoom.h"
#include "socket/SocketChatClient.h"
#include "support/FakeToolkit.h"
#include "support/FixedClock.h"
#include "support/PeerThread.h"
#include "support/RoomThread.h"
#include "support/WaitUntil.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLocalSocket>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// A whole console against a chat client that misbehaves. Every wait has its bound; the bounds
// asserted here are generous, as a loaded build machine may be slow, but a hang fails them.

namespace {

constexpr int StatusTimeoutMs = 500;
constexpr int ReadTimeoutMs = 500;
constexpr int GiveUpMs = 1500;
constexpr qint64 GenerousMs = 20000;

// A console linked over the socket to a practice room in another thread.
struct RemoteConsole
{
    RemoteConsole()
        : room(QDir(folder.path()).filePath(u"room.sock"_s)),
          client(room.SocketPath(), StatusTimeoutMs),
          chat(client, toolkit, u"quillo"_s, ChatLimits{50, ReadTimeoutMs}),
          console(chat, toolkit, clock, folder.path())
    {
        chat.InitDDE();
        chat.DapiRegister();
    }

    int calls(const QString& function)
    {
        int count = 0;
        room.Run([&](PracticeRoom& r) { count = r.CountCalls(function); });
        return count;
    }

    QTemporaryDir folder;
    RoomThread room;
    SocketChatClient client;
    FakeToolkit toolkit;
    FixedClock clock{QDateTime(QDate(2003, 3, 1), QTime(21, 5))};
    ChatLink chat;
    Console console;
};

// A peer that takes the opening call and hangs up in the middle of the next one, having sent
// half a status.
void HangUpMidCall(QLocalSocket& socket, const QByteArray& request)
{
    if (request.startsWith("INIT")) {
        socket.write("STATUS 0\n");
    } else {
        socket.write("STAT");
        socket.flush();
        socket.disconnectFromServer();
    }
}

} // namespace

TEST(ChatFaults, AClientThatAnswersSixForeverCostsEachLineItsBoundedCalls)
{
    RemoteConsole t;
    t.room.Run([](PracticeRoom& r) { r.ScriptStatuses(QList<QByteArray>(100000, "6")); });
    GameState& g = t.console.game;
    g.PlayerCapacity = MaxPlayers;
    for (const QString& name : {u"Ann"_s, u"Bob"_s, u"Cy"_s})
        AddPlayer(t.console, name);

    QElapsedTimer timer;
    timer.start();
    SayMessage(t.console, u"Welcome, %host%"_s);
    SayScores(t.console);
    DetectHostName(t.console, u"marker"_s, GiveUpMs);
    EXPECT_LT(timer.elapsed(), GenerousMs);

    // Every line and every request for the text gave up after exactly its bound of calls.
    const int lines = t.calls(u"DapiCommunicate"_s);
    EXPECT_GT(lines, 0);
    EXPECT_EQ(lines % 50, 0) << lines;
    EXPECT_EQ(g.HostName, u"Unknown"_s);
    EXPECT_EQ(g.PlayerCount, 3);
}

TEST(ChatFaults, AClientThatNeverDeliversTheTextEndsEveryWaitInItsBound)
{
    RemoteConsole t;
    t.room.Run([](PracticeRoom& r) { r.SetDeliverText(false); });

    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(t.chat.ReadAllText());
    EXPECT_GE(timer.elapsed(), ReadTimeoutMs - 50);
    EXPECT_LT(timer.elapsed(), GenerousMs);
    EXPECT_TRUE(t.chat.ReceivedText.IsEmpty());

    // Host-name detection keeps asking until it gives up, handling events all along.
    timer.restart();
    const int eventsBefore = t.toolkit.ProcessEventsCalls;
    DetectHostName(t.console, u"marker"_s, GiveUpMs);
    EXPECT_GE(timer.elapsed(), GiveUpMs);
    EXPECT_LT(timer.elapsed(), GiveUpMs + GenerousMs);
    EXPECT_EQ(t.console.game.HostName, u"Unknown"_s);
    EXPECT_GT(t.toolkit.ProcessEventsCalls, eventsBefore);

    // The room still takes lines afterwards.
    t.chat.SayLine(ChatModeRoom, {}, u"still here"_s);
    EXPECT_EQ(t.chat.StatusText, u"0"_s);
}

TEST(ChatFaults, FiftyMegabytesOfChatTextAreReadOrRefusedWithoutAHang)
{
    // In the practice room the whole text arrives and the host's line at its end is found.
    QByteArray flood(50 * 1024 * 1024, 'a');
    for (qsizetype i = 79; i < flood.size(); i += 80)
        flood[i] = '\n';
    {
        PracticeRoom room;
        FakeToolkit toolkit;
        FixedClock clock(QDateTime(QDate(2003, 3, 1), QTime(21, 5)));
        ChatLink chat(room, toolkit, u"quillo"_s, ChatLimits{50, ReadTimeoutMs});
        QTemporaryDir folder;
        Console console(chat, toolkit, clock, folder.path());
        chat.InitDDE();
        chat.DapiRegister();
        room.AppendRaw(flood);
        QElapsedTimer timer;
        timer.start();
        DetectHostName(console, u"marker"_s, GiveUpMs);
        EXPECT_LT(timer.elapsed(), GenerousMs);
        EXPECT_EQ(console.game.HostName, u"Host"_s);
        EXPECT_GT(chat.ReceivedText.Size(), 0);
    }

    // Across the socket a text that long is past what one message may carry: the client cuts
    // the peer off, the wait ends in its bound, and the next call connects again.
    RemoteConsole t;
    t.room.Run([&](PracticeRoom& r) { r.SetDeliveredText(flood); });
    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(t.chat.ReadAllText());
    EXPECT_LT(timer.elapsed(), GenerousMs);
    // The room may take a moment to notice the old connection is gone and take a new one.
    t.room.Run([](PracticeRoom& r) { r.SetDeliveredText("Host: back\r\n"); });
    const bool readAgain = WaitUntil([&] { return t.chat.ReadAllText(); }, 10000);
    EXPECT_TRUE(readAgain);
    EXPECT_EQ(t.chat.ReceivedText.ToString(), u"Host: back"_s);
}

TEST(ChatFaults, AClientThatHangsUpMidCallRefusesTheCallsAndNothingWaitsForIt)
{
    QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath(u"peer.sock"_s);
    PeerThread peer(path, HangUpMidCall);
    SocketChatClient client(path, StatusTimeoutMs);
    FakeToolkit toolkit;
    FixedClock clock(QDateTime(QDate(2003, 3, 1), QTime(21, 5)));
    ChatLink chat(client, toolkit, u"quillo"_s, ChatLimits{50, ReadTimeoutMs});
    Console console(chat, toolkit, clock, folder.path());
    ASSERT_TRUE(chat.InitDDE());

    QElapsedTimer timer;
    timer.start();
    chat.SayLine(ChatModeRoom, {}, u"hello"_s);
    EXPECT_EQ(chat.StatusText, u"-1"_s);
    SayMessage(console, u"Welcome, %host%"_s);
    EXPECT_FALSE(chat.ReadAllText());
    DetectHostName(console, u"marker"_s, GiveUpMs);
    EXPECT_EQ(console.game.HostName, u"Unknown"_s);
    EXPECT_LT(timer.elapsed(), GiveUpMs + GenerousMs);
}
