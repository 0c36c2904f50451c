#include "irc/IrcBridgePath.h"

#include "socket/ChatClientServer.h"

#include <QFileInfo>

#include <gtest/gtest.h>

TEST(IrcBridgePath, OneShortSocketPerServerChannelAndNickBesideTheRoom)
{
    const QString a =
        IrcBridgeSocketPath(QStringLiteral("irc://127.0.0.1:6667/#quillo"), QStringLiteral("Host"));
    EXPECT_EQ(a, IrcBridgeSocketPath(QStringLiteral("irc://127.0.0.1:6667/#quillo"),
                                     QStringLiteral("Host")));
    EXPECT_NE(a, IrcBridgeSocketPath(QStringLiteral("irc://127.0.0.1:6667/#quillo"),
                                     QStringLiteral("Dealer")));
    EXPECT_NE(a, IrcBridgeSocketPath(QStringLiteral("irc://127.0.0.1:6667/#other"),
                                     QStringLiteral("Host")));
    EXPECT_EQ(QFileInfo(a).absolutePath(),
              QFileInfo(ChatClientServer::DefaultSocketPath()).absolutePath());
    EXPECT_TRUE(QFileInfo(a).fileName().startsWith(QStringLiteral("irc-")));
    EXPECT_LT(a.toUtf8().size(), 100);
}
