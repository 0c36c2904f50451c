#include "irc/support/BridgeConsole.h"
#include "irc/support/IrcBridgeProcess.h"
#include "support/WaitUntil.h"

#include <QTcpServer>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// The bridge program on its own, no IRC server needed.

TEST(IrcBridgeProgram, ABadCommandLineEndsWithAMessageAndExitCodeTwo)
{
    const QStringList bad[] = {{u"irc://127.0.0.1/#q"_s},
                               {u"--nick"_s, u"Mary Ann"_s, u"irc://127.0.0.1/#q"_s},
                               {u"--nick"_s, u"Host"_s, u"http://127.0.0.1/#q"_s}};
    for (const QStringList& arguments : bad) {
        IrcBridgeProcess bridge(arguments);
        EXPECT_FALSE(bridge.Start(5000));
        EXPECT_EQ(bridge.WaitForExit(), 2) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(bridge.Log().startsWith(u"quillo-irc: "_s)) << bridge.Log().toStdString();
    }
}

TEST(IrcBridgeProgram, EndsAtOnceOnSigtermWhileNoServerAnswers)
{
    quint16 port = 0;
    {
        QTcpServer probe; // a port nobody listens on once it is closed
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
        port = probe.serverPort();
    }
    IrcBridgeProcess bridge(
        IrcBridgeProcess::FastArguments("Host", u"irc://127.0.0.1:%1/#quillo"_s.arg(port)));
    ASSERT_TRUE(bridge.Start()) << bridge.Log().toStdString();
    BridgeConsole console(bridge.SocketPath());
    EXPECT_EQ(console.Init(), 0); // the bridge is there while IRC is not
    EXPECT_EQ(console.Say("nobody hears"), QByteArray("-1"));
    // Between two tries: it has been refused twice and waits to try again.
    ASSERT_TRUE(WaitUntil([&] { return bridge.Log().count(u"trying again in"_s) >= 2; }))
        << bridge.Log().toStdString();
    EXPECT_EQ(bridge.Stop(2000), 0) << bridge.Log().toStdString();
}
