#include "console/LinkStateLine.h"
#include "support/TestConsole.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(LinkStateLine, EachReportShowsItsTextAndOnlyANickChangeRenamesTheHost)
{
    TestConsole t;
    Console& c = t.console;
    LabelState& line = c.controls.lblLinkState;
    t.chat.SetLinkStateHook([&] { ShowLinkState(t.chat.LinkState, line, c.game); });
    EXPECT_FALSE(line.Visible); // nothing reported yet

    struct Report
    {
        QByteArray First;
        int Value;
        QByteArray Second;
        QString Shown; // the line afterwards
        QString Host;  // the host's name afterwards
    };
    const QList<Report> reports{
        {"Host", 1, "Reconnecting to irc.example.net:6697 in 4 s: Connection refused",
         u"Reconnecting to irc.example.net:6697 in 4 s: Connection refused"_s, u"Me"_s},
        {"Host", 0, "In #quillo as Host", u"In #quillo as Host"_s, u"Me"_s},
        {"Host", 2, "#quillo refused a line:\r\nCannot send",
         u"#quillo refused a line:  Cannot send"_s, u"Me"_s},
        {"H\xF6st", 3, "Players now ESP H\xF6st", u"Players now ESP Höst"_s, u"Höst"_s},
        {"Other", 0, "In #quillo", u"In #quillo"_s, u"Höst"_s},
        {"Other", 4, "not a link state", u"In #quillo"_s, u"Höst"_s},
        {"Other", -1, "nor this", u"In #quillo"_s, u"Höst"_s},
        {"Bad\r\nNick", 3, "Players now ESP Bad", u"Players now ESP Bad"_s, u"Höst"_s},
    };
    for (const Report& r : reports) {
        t.chat.OnNotify(r.First, static_cast<std::int16_t>(r.Value), r.Second);
        EXPECT_TRUE(line.Visible) << r.Value;
        EXPECT_EQ(line.Caption, r.Shown) << r.Value;
        EXPECT_EQ(c.game.HostName, r.Host) << r.Value;
    }
    EXPECT_EQ(t.chat.LinkState.Value, 3);
    EXPECT_EQ(t.chat.LinkState.Nick, u"Bad\r\nNick"_s);
}
