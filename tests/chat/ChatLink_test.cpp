#include "support/TestConsole.h"
#include "text/Cp1252.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

int communicateCalls(const PracticeRoom& room)
{
    return room.CountCalls(u"DapiCommunicate"_s);
}

} // namespace

TEST(ChatLinkStatusLoop, RepeatsOnSixUntilDone)
{
    TestConsole t;
    t.room.ScriptStatuses({"6", "6", "0"});
    t.chat.SayLine(ChatModeRoom, {}, u"hello"_s);
    ASSERT_EQ(communicateCalls(t.room), 3);
    for (const auto& call : t.room.Calls()) {
        if (call.Function == u"DapiCommunicate") {
            EXPECT_EQ(call.Text, QByteArray("hello"));
            EXPECT_EQ(call.Plugin, QByteArray("quillo"));
        }
    }
    EXPECT_EQ(t.room.SaidLines(), QStringList{u"hello"_s});
}

TEST(ChatLinkStatusLoop, RegistersAgainOnTenThenRepeats)
{
    TestConsole t;
    const int registersBefore = t.room.CountCalls(u"DapiRegister"_s);
    t.room.ScriptStatuses({"10"});
    t.chat.SayLine(ChatModeRoom, {}, u"hi"_s);
    EXPECT_EQ(t.room.CountCalls(u"DapiRegister"_s), registersBefore + 1);
    EXPECT_EQ(communicateCalls(t.room), 2);
    EXPECT_EQ(t.room.SaidLines(), QStringList{u"hi"_s});
}

TEST(ChatLinkStatusLoop, RefusalAndOddStatusesEndTheLoopQuietly)
{
    TestConsole t;
    t.room.ScriptStatuses({"-1"});
    t.chat.SayLine(ChatModeRoom, {}, u"a"_s);
    EXPECT_EQ(communicateCalls(t.room), 1);
    EXPECT_TRUE(t.toolkit.Boxes.isEmpty());

    t.room.ScriptStatuses({"abc"}); // not a number: a refusal
    t.chat.SayLine(ChatModeRoom, {}, u"b"_s);
    EXPECT_EQ(communicateCalls(t.room), 2);

    t.room.ScriptStatuses({""}); // no status at all: done
    t.chat.SayLine(ChatModeRoom, {}, u"c"_s);
    EXPECT_EQ(communicateCalls(t.room), 3);

    t.room.ScriptStatuses({" 0", "3", " 6 ", "0"}); // " 0" and 3 repeat; " 6 " reads as 6
    t.chat.SayLine(ChatModeRoom, {}, u"d"_s);
    EXPECT_EQ(communicateCalls(t.room), 7);
    EXPECT_TRUE(t.toolkit.Boxes.isEmpty());
}

TEST(ChatLinkStatusLoop, GivesUpAfterItsBoundOnAClientThatNeverSettles)
{
    TestConsole t(ChatLimits{20, 200});
    QList<QByteArray> busy(100, "6");
    t.room.ScriptStatuses(busy);
    t.chat.SayLine(ChatModeRoom, {}, u"x"_s);
    EXPECT_EQ(communicateCalls(t.room), 20);
}

TEST(ChatLinkSayLine, PassesModeTargetAndEightBitText)
{
    TestConsole t;
    t.chat.SayLine(ChatModeEsp, u"Bob"_s, u"You are registered ×"_s);
    const auto& call = t.room.Calls().last();
    EXPECT_EQ(call.Mode, ChatModeEsp);
    EXPECT_EQ(call.Target, QByteArray("Bob"));
    EXPECT_EQ(call.Text, QByteArray("You are registered \xD7"));
    EXPECT_EQ(t.room.EspsSent(), QStringList{u"Bob: You are registered ×"_s});
}

TEST(ChatLinkOnText, TrimsTrailingLineBreaksAndTheZeroTail)
{
    const auto trim = [](const QByteArray& bytes) { return ChatText::Received(bytes).ToString(); };
    EXPECT_EQ(trim("ab\r\n\r\n"), u"ab"_s);
    EXPECT_EQ(trim("ab\n"), u"ab\n"_s);
    EXPECT_EQ(trim("ab\r\n\n"), u"ab\r\n\n"_s);
    EXPECT_EQ(trim(QByteArray("123456789\0abc", 13)), u"12345"_s);
    EXPECT_EQ(trim(QByteArray("12345\0abc", 9)), u"1"_s); // position 6
    EXPECT_EQ(trim(QByteArray("1234\0abc", 8)),
              QString::fromLatin1("1234\0abc", 8)); // position 5: kept whole
    EXPECT_EQ(trim(QByteArray("\0", 1)), QString::fromLatin1("\0", 1));
    EXPECT_EQ(trim(QByteArray("hello\r\n\r\nwxyz\0", 14)), u"hello"_s);
    EXPECT_EQ(trim(QByteArray("\xD7\xD7 hello\r\n\r\nwxyz\0", 17)), u"×× hello"_s);
    EXPECT_EQ(trim(QByteArray()), QString());
}

TEST(ChatLinkOnText, ConvertsFromEightBitBeforeStoring)
{
    TestConsole t;
    t.chat.OnText(QByteArray("ESP from Bob: \xB0\r\n"));
    EXPECT_EQ(t.chat.ReceivedText.ToString(), u"ESP from Bob: °"_s);
    t.chat.OnStatus(QByteArray("0"));
    EXPECT_EQ(t.chat.StatusText, u"0"_s);
}

TEST(ChatLinkReadAllText, WaitsForTextThatArrivesLater)
{
    TestConsole t;
    t.room.Say(u"Ann"_s, u"hello"_s);
    t.room.Esp(u"Mary Ann"_s, u"°"_s);
    t.room.SetTextDelayMs(50);
    ASSERT_TRUE(t.chat.ReadAllText());
    EXPECT_EQ(t.chat.ReceivedText.ToString(), u"Ann: hello\r\nESP from Mary Ann: <relax>"_s);
    EXPECT_GT(t.toolkit.ProcessEventsCalls, 0);
}

TEST(ChatLinkReadAllText, GivesUpWhenTheTextNeverComes)
{
    TestConsole t(ChatLimits{50, 100});
    t.room.Say(u"Ann"_s, u"hello"_s);
    t.room.SetDeliverText(false);
    t.chat.ReceivedText = ChatText::FromString(u"old"_s);
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(t.chat.ReadAllText());
    EXPECT_TRUE(t.chat.ReceivedText.IsEmpty());
    EXPECT_LT(clock.elapsed(), 5000); // the bound, not a hang
}

TEST(ChatLinkReadAllText, ATextThatTrimsToNothingCountsAsNotArrived)
{
    TestConsole t(ChatLimits{50, 100});
    t.room.SetDeliveredText(QByteArray("\r\n\r\n"));
    EXPECT_FALSE(t.chat.ReadAllText());
    t.room.SetDeliveredText(QByteArray("abcdefgh\0rest", 13));
    EXPECT_TRUE(t.chat.ReadAllText());
    EXPECT_EQ(t.chat.ReceivedText.ToString(), u"abcd"_s);
}

TEST(ChatLinkReadAllText, KeepsTheClientsBytesWithoutACopy)
{
    TestConsole t;
    t.room.Say(u"Ann"_s, u"hello \xD7"_s);
    ASSERT_TRUE(t.chat.ReadAllText());
    const QByteArray roomText = t.room.ChatText();
    // The very bytes the room holds, seen through the trimming.
    EXPECT_EQ(t.chat.ReceivedText.Bytes().data(), roomText.constData());
    EXPECT_EQ(t.chat.ReceivedText.Size(), roomText.size() - 2);

    // A line said meanwhile leaves the text held alone; the next read has it.
    t.chat.SayLine(ChatModeRoom, QString(), u"next"_s);
    EXPECT_EQ(t.chat.ReceivedText.ToString(), u"Ann: hello ×"_s);
    ASSERT_TRUE(t.chat.ReadAllText());
    EXPECT_EQ(t.chat.ReceivedText.ToString(), u"Ann: hello ×\r\nHost: next"_s);
    EXPECT_EQ(t.chat.ReceivedText.Sliced(14).ToString(), u"Host: next"_s);
    // A text the code page cannot carry is never found in the chat, not even as "?".
    EXPECT_EQ(t.chat.ReceivedText.LastIndexOf(u"next"_s), 20);
    t.room.Say(u"Bo"_s, u"?"_s);
    ASSERT_TRUE(t.chat.ReadAllText());
    EXPECT_EQ(t.chat.ReceivedText.LastIndexOf(u"\u263A"_s), -1);
}
