#include "irc/IrcBridgePath.h"

#include "socket/SocketFolder.h"

#include <QFileInfo>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(IrcBridgePath, OneShortSocketPerServerChannelAndNickBesideTheRoom)
{
    const QString a = IrcBridgeSocketPath(u"irc://127.0.0.1:6667/#quillo"_s, u"Host"_s);
    EXPECT_EQ(QFileInfo(a).absolutePath(), DefaultSocketFolder());
    EXPECT_TRUE(QFileInfo(a).fileName().startsWith(u"irc-"_s));
    EXPECT_LT(a.toUtf8().size(), 100);
    EXPECT_EQ(IrcBridgeSocketPath(u"irc://127.0.0.1:6667/#quillo"_s, u"Host"_s, u"/f"_s),
              u"/f/"_s + QFileInfo(a).fileName());
}

TEST(IrcBridgePath, EverySpellingOfOnePlaceFindsTheSameBridge)
{
    const QString folder = u"/run/user/1000/quillo"_s;
    const auto path = [&](const char* url, const char* nick) {
        return IrcBridgeSocketPath(QString::fromUtf8(url), QString::fromUtf8(nick), folder);
    };
    const QString one = path("irc://irc.example.net:6667/#quillo", "Host");
    const char* same[][2] = {
        {"irc://irc.example.net/#quillo", "Host"},
        {"irc://irc.example.net/%23quillo", "Host"},
        {"IRC://Irc.Example.NET:6667/#QuilLo", "host"},
        {"irc://irc.example.net./%23QUILLO", "HOST"},
    };
    for (const auto& s : same)
        EXPECT_EQ(path(s[0], s[1]), one) << s[0] << " " << s[1];
    // Under the rfc1459 mapping "[]\~" are the capitals of "{}|^".
    EXPECT_EQ(path("irc://h/%23a%5Bb%5D", "x\\y~"), path("irc://h/%23A%7BB%7D", "X|Y^"));

    const char* other[][2] = {
        {"irc://irc.example.net:6697/#quillo", "Host"}, {"ircs://irc.example.net/#quillo", "Host"},
        {"irc://irc.example.org/#quillo", "Host"},      {"irc://irc.example.net/&quillo", "Host"},
        {"irc://irc.example.net/#quillo2", "Host"},     {"irc://irc.example.net/#quillo", "Dealer"},
    };
    for (const auto& o : other)
        EXPECT_NE(path(o[0], o[1]), one) << o[0] << " " << o[1];
}
