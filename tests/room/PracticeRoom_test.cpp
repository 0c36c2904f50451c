#include "chat/ChatLink.h"
#include "room/PracticeRoom.h"
#include "support/FakeToolkit.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(PracticeRoom, ShowsTheHostsLinesUnderItsAvatarOnceRegistered)
{
    PracticeRoom room(u"Jane Doe"_s);
    FakeToolkit toolkit;
    ChatLink chat(room, toolkit, u"quillo"_s);
    ASSERT_TRUE(chat.InitDDE());
    chat.SayLine(ChatModeRoom, {}, u"before"_s); // an unknown plug-in is asked to register: "10"
    EXPECT_EQ(room.CountCalls(u"DapiRegister"_s), 1);
    chat.SayLine(ChatModeRoom, {}, u"after"_s);
    EXPECT_EQ(room.ChatText(), QByteArray("Jane Doe: before\r\nJane Doe: after\r\n"));
    EXPECT_EQ(room.SaidLines(), (QStringList{u"before"_s, u"after"_s}));
}

TEST(PracticeRoom, ShowsEspsWithGestureTagsInPlaceOfGestureCharacters)
{
    PracticeRoom room;
    FakeToolkit toolkit;
    ChatLink chat(room, toolkit, u"quillo"_s);
    ASSERT_TRUE(chat.InitDDE());
    room.Esp(u"Bob"_s, u"$"_s);
    room.Esp(u"Cy"_s, u"°"_s);
    room.Esp(u"Di"_s, u"°!"_s);
    room.Say(u"Ed"_s, u"¶"_s);
    EXPECT_EQ(room.ChatText(), QByteArray("ESP from Bob: $\r\nESP from Cy: <relax>\r\n"
                                          "ESP from Di: \xB0!\r\nEd: \xB6\r\n"));
    // The room has no link to report: what is said there is no word about one.
    EXPECT_FALSE(chat.LinkState.Reported);
}

TEST(PracticeRoom, AFailingInitLeavesTheRoomClosed)
{
    PracticeRoom room;
    FakeToolkit toolkit;
    ChatLink chat(room, toolkit, u"quillo"_s);
    room.SetInitResult(3);
    EXPECT_FALSE(chat.InitDDE());
    EXPECT_FALSE(room.IsOpen());
}

TEST(PracticeRoom, UnregisterAndKillEndTheLink)
{
    PracticeRoom room;
    FakeToolkit toolkit;
    ChatLink chat(room, toolkit, u"quillo"_s, ChatLimits{10, 50});
    ASSERT_TRUE(chat.InitDDE());
    chat.DapiRegister();
    chat.DapiUnregister();
    chat.KillDDE();
    EXPECT_FALSE(room.IsOpen());
    const auto& calls = room.Calls();
    ASSERT_GE(calls.size(), 2);
    EXPECT_EQ(calls[calls.size() - 2].Function, u"DapiUnregister"_s);
    EXPECT_EQ(calls[calls.size() - 2].Plugin, QByteArray("quillo"));
    EXPECT_EQ(calls.last().Function, u"KillDDE"_s);
    EXPECT_FALSE(chat.ReadAllText()); // a closed room delivers nothing, and we do not hang
}
