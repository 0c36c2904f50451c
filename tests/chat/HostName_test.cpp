#include "chat/HostNameInChat.h"
#include "console/HostName.h"
#include "support/TestConsole.h"
#include "text/FixedLines.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray latin1(const QString& text)
{
    return text.toLatin1();
}

} // namespace

TEST(HostName, SaysTheBannerPausesAndTakesTheWholeNameBeforeIt)
{
    TestConsole t;
    t.room.SetHostAvatar(u"Jane Doe"_s);
    t.room.Say(u"Somebody"_s, u"a long line of chat before the host says anything at all"_s);

    DetectHostName(t.console, OpeningBanner());

    EXPECT_EQ(t.console.game.HostName, u"Jane Doe"_s);
    EXPECT_EQ(t.room.SaidLines(), QStringList{OpeningBanner()});
    ASSERT_FALSE(t.toolkit.Pauses.isEmpty());
    EXPECT_EQ(t.toolkit.Pauses.first(), 3); // the fixed pause, whatever the speed
    // The chat text read is kept cut to 40 characters before the marker.
    EXPECT_EQ(t.chat.ReceivedText.ToString(),
              u"chat before the host says anything at all\r\nJane Doe: "_s.right(40) +
                  OpeningBanner());
}

TEST(HostName, FindsTheHostInAChatHoldingNothingButItsOwnLine)
{
    TestConsole t;
    t.room.SetHostAvatar(u"Bob"_s);
    DetectHostName(t.console, OpeningBanner());
    EXPECT_EQ(t.console.game.HostName, u"Bob"_s);
}

TEST(HostName, TakesTheNameFromTheLastBanner)
{
    TestConsole t;
    t.room.Say(u"Old Host"_s, OpeningBanner());
    t.room.Say(u"Ann"_s, u"hello"_s);
    t.room.SetHostAvatar(u"New Host"_s);
    DetectHostName(t.console, OpeningBanner());
    EXPECT_EQ(t.console.game.HostName, u"New Host"_s);

    EXPECT_EQ(HostNameInChat(ChatText::FromString(u"A: M\r\nB: x\r\nCee: M"_s), u"M"_s), u"Cee"_s);
    EXPECT_EQ(HostNameInChat(ChatText::FromString(u"Cee: M"_s), u"M"_s), u"Cee"_s);
    // Only 40 characters before the marker count: a longer line loses its beginning.
    EXPECT_EQ(HostNameInChat(ChatText::FromString(QString(45, u'n') + u": M"_s), u"M"_s),
              QString(38, u'n'));
}

TEST(HostName, LeavesUnknownWithoutANameBeforeTheMarker)
{
    TestConsole t;
    t.room.SetDeliveredText(latin1(u"Ann: hi\r\nsomeone said "_s + OpeningBanner()));
    DetectHostName(t.console, OpeningBanner());
    EXPECT_EQ(t.console.game.HostName, u"Unknown"_s);

    EXPECT_EQ(HostNameInChat(ChatText::FromString(u"x\r\n: M"_s), u"M"_s), QString());
    EXPECT_EQ(HostNameInChat(ChatText::FromString(u"nothing here"_s), u"M"_s), QString());
}

TEST(HostName, KeepsReadingUntilTheMarkerShowsAndGivesUpAfterTheBound)
{
    TestConsole t;
    t.room.SetDeliveredText("Ann: hi");
    t.toolkit.DuringNextPause([] {}); // the pause after the banner
    t.toolkit.DuringNextPause([&] {   // between two readings
        t.room.SetDeliveredText(latin1(u"Ann: hi\r\nMe Too: "_s + OpeningBanner()));
    });
    DetectHostName(t.console, OpeningBanner(), 5000);
    EXPECT_EQ(t.console.game.HostName, u"Me Too"_s);
    EXPECT_EQ(t.room.CountCalls(u"DapiGetAllText"_s), 2);

    TestConsole never;
    never.room.SetDeliveredText("Ann: hi");
    never.console.game.HostName = u"Me"_s;
    DetectHostName(never.console, OpeningBanner(), 200);
    EXPECT_EQ(never.console.game.HostName, u"Unknown"_s);
    EXPECT_GE(never.room.CountCalls(u"DapiGetAllText"_s), 1);
}
