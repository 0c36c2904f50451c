#include "chat/ChatLink.h"
#include "console/ConsoleState.h"
#include "console/LinkStateLine.h"
#include "game/GameState.h"
#include "room/PracticeRoom.h"
#include "socket/ChatProtocol.h"
#include "socket/PendingChatMessages.h"
#include "socket/SocketChatClient.h"
#include "support/FakeToolkit.h"
#include "support/PeerThread.h"
#include "support/RoomThread.h"
#include "support/WaitUntil.h"
#include "text/Cp1252.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// A console linked to a room in another thread, as to a room in another program.
struct SocketConsole
{
    explicit SocketConsole(int statusTimeoutMs = 2000)
        : room(QDir(folder.path()).filePath(u"room.sock"_s)),
          client(room.SocketPath(), statusTimeoutMs),
          chat(client, toolkit, u"quillo"_s, ChatLimits{50, 2000})
    {
    }

    QTemporaryDir folder;
    RoomThread room;
    SocketChatClient client;
    FakeToolkit toolkit;
    ChatLink chat;
};

QByteArray roomText(RoomThread& room)
{
    QByteArray text;
    room.Run([&](PracticeRoom& r) { text = r.ChatText(); });
    return text;
}

int roomCalls(RoomThread& room, const QString& function)
{
    int count = 0;
    room.Run([&](PracticeRoom& r) { count = r.CountCalls(function); });
    return count;
}

// A chat client in a thread of its own that holds each status a while, as a bridge waits for its
// server, then answers with the request's number (INIT is number 0). It notes a request that
// comes while another still waits for its status. What it notes is read in its thread.
class HoldingPeer
{
public:
    HoldingPeer(const QString& path, int holdMs)
        : holdMs_(holdMs),
          peer_(path, [this](QLocalSocket& socket, const QByteArray& line) { Hold(socket, line); })
    {
    }

    void SetHoldMs(int holdMs)
    {
        peer_.Run([&] { holdMs_ = holdMs; });
    }
    QList<QByteArray> Requests()
    {
        QList<QByteArray> requests;
        peer_.Run([&] { requests = requests_; });
        return requests;
    }
    bool Overlapped()
    {
        bool overlapped = false;
        peer_.Run([&] { overlapped = overlapped_; });
        return overlapped;
    }
    // Unasked, on the latest connection.
    void Send(const QByteArray& bytes)
    {
        peer_.Send(bytes);
    }
    void HangUp()
    {
        peer_.HangUp();
    }

private:
    void Hold(QLocalSocket& socket, const QByteArray& request)
    {
        requests_.append(request);
        overlapped_ = overlapped_ || holding_;
        holding_ = true;
        const QByteArray status = "STATUS " + QByteArray::number(requests_.size() - 1) + '\n';
        QTimer::singleShot(holdMs_, &socket, [this, &socket, status] {
            holding_ = false;
            socket.write(status);
        });
    }

    int holdMs_;
    QList<QByteArray> requests_;
    bool overlapped_ = false;
    bool holding_ = false;
    PeerThread peer_; // last: its thread ends before what it notes goes
};

} // namespace

TEST(SocketChatClient, ACallMadeWhileAStatusIsHeldGoesOutAfterItAndGetsItsOwnStatus)
{
    QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath(u"peer.sock"_s);
    HoldingPeer peer(path, 300);
    SocketChatClient client(path, 10000);
    QByteArray status;
    ChatCallbacks callbacks;
    callbacks.OnStatus = [&](const QByteArray& s) { status = s; };
    ASSERT_EQ(client.InitDDE("quillo", callbacks), 0);

    // The timer can only fire while the outer call waits if the wait handles events.
    QByteArray innerStatus;
    QTimer::singleShot(50, [&] {
        client.DapiCommunicate("quillo", ChatModeRoom, {}, "inner");
        innerStatus = status;
    });
    client.DapiCommunicate("quillo", ChatModeRoom, {}, "outer");
    EXPECT_EQ(status, "1");
    EXPECT_EQ(innerStatus, "2");
    EXPECT_EQ(peer.Requests(), (QList<QByteArray>{"INIT quillo", "COMMUNICATE quillo 0  outer",
                                                  "COMMUNICATE quillo 0  inner"}));
    EXPECT_FALSE(peer.Overlapped());

    // KillDDE from inside a wait ends the waiting call at once, refused.
    peer.SetHoldMs(4000);
    status.clear();
    QTimer::singleShot(50, [&] { client.KillDDE(); });
    QElapsedTimer clock;
    clock.start();
    client.DapiCommunicate("quillo", ChatModeRoom, {}, "cut short");
    EXPECT_EQ(status, "-1");
    EXPECT_LT(clock.elapsed(), 3000);
    EXPECT_FALSE(client.IsConnected());
}

TEST(SocketChatClient, ALinkStateReachesTheConsoleAndALostReporterShowsAsConnecting)
{
    QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath(u"peer.sock"_s);
    HoldingPeer peer(path, 0);
    SocketChatClient client(path, 2000);
    FakeToolkit toolkit;
    ChatLink chat(client, toolkit, u"quillo"_s);
    LabelState line{QString(), false};
    GameState game;
    chat.SetLinkStateHook([&] { ShowLinkState(chat.LinkState, line, game); });
    ASSERT_TRUE(chat.InitDDE());

    peer.Send("NOTIFY Host_ 3 Players%20now%20ESP%20Host_\n");
    ASSERT_TRUE(WaitUntil([&] { return line.Visible; }));
    EXPECT_EQ(line.Caption, u"Players now ESP Host_"_s);
    EXPECT_EQ(game.HostName, u"Host_"_s);

    peer.HangUp(); // between two calls: only the event loop can notice
    ASSERT_TRUE(WaitUntil([&] { return chat.LinkState.Value == 1; }));
    EXPECT_EQ(line.Caption, FromCp1252(PendingChatMessages::LostClientText()));
    EXPECT_EQ(chat.LinkState.Nick, u"Host_"_s);
    EXPECT_EQ(game.HostName, u"Host_"_s);
}

TEST(SocketChatClient, LinesArriveInTheRoomByteForByte)
{
    SocketConsole t;
    ASSERT_TRUE(t.chat.InitDDE());
    t.chat.DapiRegister();
    t.chat.SayLine(ChatModeRoom, {}, u"×××  ¤   9   ¤ ° ¹ é"_s);
    t.chat.SayLine(ChatModeEsp, u"Mary Ann"_s, u"You are registered"_s);
    EXPECT_EQ(roomText(t.room), QByteArray("Host: \xD7\xD7\xD7  \xA4   9   \xA4 \xB0 \xB9 \xE9\r\n"
                                           "ESP to Mary Ann: You are registered\r\n"));
    EXPECT_EQ(t.chat.StatusText, u"0"_s);
}

TEST(SocketChatClient, StatusSequencesBehaveAsInProcess)
{
    SocketConsole t;
    ASSERT_TRUE(t.chat.InitDDE());
    t.chat.DapiRegister();
    t.room.Run([](PracticeRoom& r) { r.ScriptStatuses({"6", "6", "0"}); });
    t.chat.SayLine(ChatModeRoom, {}, u"a"_s);
    EXPECT_EQ(roomCalls(t.room, u"DapiCommunicate"_s), 3);

    t.room.Run([](PracticeRoom& r) { r.ScriptStatuses({"10"}); });
    t.chat.SayLine(ChatModeRoom, {}, u"b"_s);
    EXPECT_EQ(roomCalls(t.room, u"DapiCommunicate"_s), 5);
    EXPECT_EQ(roomCalls(t.room, u"DapiRegister"_s), 2);

    t.room.Run([](PracticeRoom& r) { r.ScriptStatuses({"-1"}); });
    t.chat.SayLine(ChatModeRoom, {}, u"c"_s);
    EXPECT_EQ(roomCalls(t.room, u"DapiCommunicate"_s), 6);
    EXPECT_EQ(t.chat.StatusText, u"-1"_s);
}

TEST(SocketChatClient, ChatTextThatComesLateIsStillRead)
{
    SocketConsole t;
    ASSERT_TRUE(t.chat.InitDDE());
    t.chat.DapiRegister();
    t.room.Run([](PracticeRoom& r) {
        r.Esp(u"Bob"_s, u"°"_s);
        r.SetTextDelayMs(150);
    });
    ASSERT_TRUE(t.chat.ReadAllText());
    EXPECT_EQ(t.chat.ReceivedText.ToString(), u"ESP from Bob: <relax>"_s);
}

TEST(SocketChatClient, ALostRoomRefusesCallsAndANewRoomIsFoundAgain)
{
    SocketConsole t;
    ASSERT_TRUE(t.chat.InitDDE());
    t.chat.DapiRegister();
    t.room.Stop();
    QElapsedTimer clock;
    clock.start();
    t.chat.SayLine(ChatModeRoom, {}, u"nobody hears this"_s);
    EXPECT_EQ(t.chat.StatusText, u"-1"_s);
    EXPECT_FALSE(t.chat.ReadAllText());
    EXPECT_LT(clock.elapsed(), 10000);
    EXPECT_FALSE(t.chat.LinkState.Reported); // the room never reported a state to lose

    RoomThread again(t.room.SocketPath());
    t.chat.SayLine(ChatModeRoom, {},
                   u"hello again"_s); // reconnects; the new room asks for registration
    EXPECT_EQ(roomText(again), QByteArray("Host: hello again\r\n"));
}

TEST(SocketChatClient, InitFailsWhenNoRoomListens)
{
    QTemporaryDir folder;
    SocketChatClient client(QDir(folder.path()).filePath(u"none.sock"_s));
    FakeToolkit toolkit;
    ChatLink chat(client, toolkit, u"quillo"_s);
    EXPECT_FALSE(chat.InitDDE());
}
