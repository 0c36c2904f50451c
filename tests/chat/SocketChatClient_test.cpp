#include "chat/ChatLink.h"
#include "chat/ChatProtocol.h"
#include "chat/PracticeRoom.h"
#include "chat/SocketChatClient.h"
#include "support/FakeToolkit.h"
#include "support/RoomThread.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTemporaryDir>

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

} // namespace

TEST(SocketChatClient, LinesArriveInTheRoomByteForByte)
{
    SocketConsole t;
    ASSERT_TRUE(t.chat.InitDDE());
    t.chat.DapiRegister();
    t.chat.SayLine(0, {}, u"×××  ¤   9   ¤ ° ¹ é"_s);
    t.chat.SayLine(2, u"Mary Ann"_s, u"You are registered"_s);
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
    t.chat.SayLine(0, {}, u"a"_s);
    EXPECT_EQ(roomCalls(t.room, u"DapiCommunicate"_s), 3);

    t.room.Run([](PracticeRoom& r) { r.ScriptStatuses({"10"}); });
    t.chat.SayLine(0, {}, u"b"_s);
    EXPECT_EQ(roomCalls(t.room, u"DapiCommunicate"_s), 5);
    EXPECT_EQ(roomCalls(t.room, u"DapiRegister"_s), 2);

    t.room.Run([](PracticeRoom& r) { r.ScriptStatuses({"-1"}); });
    t.chat.SayLine(0, {}, u"c"_s);
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
    EXPECT_EQ(t.chat.ReceivedText, u"ESP from Bob: <relax>"_s);
}

TEST(SocketChatClient, ALostRoomRefusesCallsAndANewRoomIsFoundAgain)
{
    SocketConsole t;
    ASSERT_TRUE(t.chat.InitDDE());
    t.chat.DapiRegister();
    t.room.Stop();
    QElapsedTimer clock;
    clock.start();
    t.chat.SayLine(0, {}, u"nobody hears this"_s);
    EXPECT_EQ(t.chat.StatusText, u"-1"_s);
    EXPECT_FALSE(t.chat.ReadAllText());
    EXPECT_LT(clock.elapsed(), 10000);

    RoomThread again(t.room.SocketPath());
    t.chat.SayLine(0, {}, u"hello again"_s); // reconnects; the new room asks for registration
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
