#include "chat/ChatLink.h"
#include "socket/SocketChatClient.h"
#include "support/FakeToolkit.h"
#include "support/PeerThread.h"
#include "support/WaitUntil.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLocalSocket>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <deque>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

// A chat client that answers each request with scripted raw bytes, in a thread of its own.
// The first request (INIT) is always answered "STATUS 0". An answer of "CLOSE" hangs up.
PeerThread::Script Scripted(std::deque<QByteArray> answers)
{
    return [answers = std::move(answers), initDone = false](QLocalSocket& socket,
                                                            const QByteArray&) mutable {
        if (!std::exchange(initDone, true)) {
            socket.write("STATUS 0\n");
            return;
        }
        if (answers.empty())
            return; // silence
        const QByteArray next = answers.front();
        answers.pop_front();
        if (next == "CLOSE") {
            socket.disconnectFromServer();
            return;
        }
        socket.write(next);
    };
}

struct HostileCase
{
    explicit HostileCase(std::deque<QByteArray> answers, int statusTimeoutMs = 2000)
        : peer(QDir(folder.path()).filePath(u"peer.sock"_s), Scripted(std::move(answers))),
          client(QDir(folder.path()).filePath(u"peer.sock"_s), statusTimeoutMs),
          chat(client, toolkit, u"quillo"_s, ChatLimits{5, 300})
    {
    }

    QTemporaryDir folder;
    PeerThread peer;
    SocketChatClient client;
    FakeToolkit toolkit;
    ChatLink chat;
};

} // namespace

TEST(HostilePeer, GarbageIsDroppedAndTheRealStatusStillCounts)
{
    HostileCase t({QByteArray("HELLO\nSTATUS\nTEXT %zz\nNOTIFY a b c\nSTATUS 0 extra\n"
                              "\x01\x02\xFF\nSTATUS 0\n")});
    ASSERT_TRUE(t.chat.InitDDE());
    t.chat.SayLine(ChatModeRoom, {}, u"x"_s);
    EXPECT_EQ(t.chat.StatusText, u"0"_s);
    EXPECT_TRUE(t.client.IsConnected());
}

TEST(HostilePeer, AnOversizedMessageClosesTheConnection)
{
    HostileCase t({QByteArray("TEXT ") + QByteArray(MaxChatMessageBytes + 10, 'a')});
    ASSERT_TRUE(t.chat.InitDDE());
    t.chat.SayLine(ChatModeRoom, {}, u"x"_s);
    EXPECT_EQ(t.chat.StatusText, u"-1"_s);
    EXPECT_FALSE(t.client.IsConnected());
}

TEST(HostilePeer, ATruncatedAnswerOrSilenceEndsTheCallAsRefused)
{
    {
        HostileCase t({QByteArray("STAT"), QByteArray("CLOSE")});
        ASSERT_TRUE(t.chat.InitDDE());
        t.chat.SayLine(ChatModeRoom, {}, u"x"_s);
        EXPECT_EQ(t.chat.StatusText, u"-1"_s);
    }
    {
        HostileCase t({}, 200); // never answers
        ASSERT_TRUE(t.chat.InitDDE());
        QElapsedTimer clock;
        clock.start();
        t.chat.SayLine(ChatModeRoom, {}, u"x"_s);
        EXPECT_EQ(t.chat.StatusText, u"-1"_s);
        EXPECT_LT(clock.elapsed(), 5000);
    }
}

TEST(HostilePeer, ChatTextSentBeforeTheStatusReachesOnTextFromTheEventLoop)
{
    HostileCase t({QByteArray("TEXT first\nTEXT ab%0D%0A%0D%0A\nSTATUS 0\n")});
    ASSERT_TRUE(t.chat.InitDDE());
    t.chat.ReceivedText.Clear();
    t.chat.RequestAllText();
    EXPECT_TRUE(t.chat.ReceivedText.IsEmpty()); // not during the call
    WaitUntil([&] { return !t.chat.ReceivedText.IsEmpty(); });
    EXPECT_EQ(t.chat.ReceivedText.ToString(), u"ab"_s); // the newer text wins
}

TEST(HostilePeer, ChatTextInTheSamePacketAsItsStatusIsNotLost)
{
    HostileCase t({QByteArray("STATUS 0\nTEXT behind%20the%20status\n")});
    ASSERT_TRUE(t.chat.InitDDE());
    t.chat.ReceivedText.Clear();
    t.chat.RequestAllText();
    WaitUntil([&] { return !t.chat.ReceivedText.IsEmpty(); });
    EXPECT_EQ(t.chat.ReceivedText.ToString(), u"behind the status"_s);
}
