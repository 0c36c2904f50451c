#include "irc/IrcLaunchArguments.h"
#include "irc/IrcLauncher.h"
#include "socket/SocketChatClient.h"
#include "support/IrcBridgeProcess.h"
#include "support/NgircdServer.h"
#include "support/WaitUntil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

using namespace Qt::StringLiterals;

namespace {

// Ends a bridge the launcher left running, as the host's session would at logout.
void EndProcess(qint64 processId)
{
    if (!IrcLauncher::Alive(processId))
        return;
    ::kill(static_cast<pid_t>(processId), SIGTERM);
    if (!WaitUntil([processId] { return !IrcLauncher::Alive(processId); }, 5000))
        ::kill(static_cast<pid_t>(processId), SIGKILL);
}

// Ends it also when the test fails half way.
struct BridgeEnder
{
    qint64 processId;
    ~BridgeEnder()
    {
        EndProcess(processId);
    }
};

QString WriteScript(const QTemporaryDir& folder, const QString& name, const QByteArray& body)
{
    const QString path = QDir(folder.path()).filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write("#!/bin/sh\n" + body + "\n");
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    return path;
}

} // namespace

TEST(IrcLaunchArguments, ReadsTheChannelTheNickAndTheBridgeOptionsToPassOn)
{
    const IrcLaunchArguments none =
        ReadIrcLaunchArguments({u"quillo"_s, u"--chat-client"_s, u"s"_s});
    EXPECT_FALSE(none.Requested);
    EXPECT_TRUE(none.Error.isEmpty());

    const IrcLaunchArguments full = ReadIrcLaunchArguments(
        {u"quillo"_s, u"--irc"_s, u"ircs://irc.example.net/#quillo"_s, u"--nick=Host"_s,
         u"--insecure"_s, u"--send-interval"_s, u"800"_s, u"--burst=2"_s, u"--sasl-user"_s,
         u"hostacct"_s, u"--reconnect-min=500"_s, u"--reconnect-max"_s, u"9000"_s});
    EXPECT_TRUE(full.Requested);
    EXPECT_TRUE(full.Error.isEmpty()) << full.Error.toStdString();
    EXPECT_EQ(full.Url, u"ircs://irc.example.net/#quillo"_s);
    EXPECT_EQ(full.Nick, u"Host"_s);
    EXPECT_EQ(full.BridgeOptions,
              (QStringList{u"--insecure"_s, u"--send-interval"_s, u"800"_s, u"--burst"_s, u"2"_s,
                           u"--sasl-user"_s, u"hostacct"_s, u"--reconnect-min"_s, u"500"_s,
                           u"--reconnect-max"_s, u"9000"_s}));

    const IrcLaunchArguments noNick =
        ReadIrcLaunchArguments({u"quillo"_s, u"--irc=irc://127.0.0.1/#q"_s});
    EXPECT_TRUE(noNick.Requested);
    EXPECT_TRUE(noNick.Error.contains(u"--nick"_s)) << noNick.Error.toStdString();
    const IrcLaunchArguments noUrl =
        ReadIrcLaunchArguments({u"quillo"_s, u"--nick"_s, u"H"_s, u"--irc"_s});
    EXPECT_FALSE(noUrl.Error.isEmpty());
    const IrcLaunchArguments emptyUrl =
        ReadIrcLaunchArguments({u"quillo"_s, u"--irc="_s, u"--nick"_s, u"H"_s});
    EXPECT_FALSE(emptyUrl.Error.isEmpty());
}

TEST(IrcLauncher, StartsTheBridgeOnceFromItsFolderAndFindsItAgainOnTheNextLaunch)
{
    if (!NgircdServer::Installed())
        GTEST_SKIP() << NgircdServer::MissingMessage().toStdString();
    NgircdServer server;
    ASSERT_TRUE(server.Start()) << server.Log().toStdString();
    QTemporaryDir folder;
    const QString socket = QDir(folder.path()).filePath(u"irc/bridge.sock"_s);
    const QString program = IrcBridgeProcess::Program();
    const QString programFolder = QFileInfo(program).absolutePath();
    const QString url = server.Url(u"#quillo"_s);
    EXPECT_FALSE(IrcLauncher::Listening(socket));

    IrcLauncher first(program, programFolder);
    ASSERT_TRUE(first.Ensure(url, u"Host"_s, {u"--reconnect-min"_s, u"100"_s}, socket))
        << first.ErrorText().toStdString();
    ASSERT_TRUE(first.StartedBridge());
    const qint64 bridge = first.BridgeProcessId();
    const BridgeEnder ender{bridge};
    EXPECT_TRUE(IrcLauncher::Alive(bridge));
    EXPECT_TRUE(IrcLauncher::Listening(socket));
    EXPECT_TRUE(QFileInfo::exists(IrcLauncher::LogPath(socket)));
    EXPECT_EQ(QFileInfo(u"/proc/%1/cwd"_s.arg(bridge)).canonicalFilePath(),
              QFileInfo(programFolder).canonicalFilePath());

    // The console comes back (a second launch): the running bridge serves it, none is added.
    IrcLauncher second(program, programFolder);
    EXPECT_TRUE(second.Ensure(url, u"Host"_s, {}, socket)) << second.ErrorText().toStdString();
    EXPECT_FALSE(second.StartedBridge());
    EXPECT_TRUE(IrcLauncher::Alive(bridge));

    // And the console's first call reaches it at once: the look-up took no console place.
    SocketChatClient client(socket);
    EXPECT_EQ(client.InitDDE("quillo", {}), 0);
    client.KillDDE();

    EndProcess(bridge);
    EXPECT_FALSE(IrcLauncher::Alive(bridge));
    EXPECT_FALSE(IrcLauncher::Listening(socket));
}

TEST(IrcLauncher, ABridgeThatCannotStartOrNeverListensIsAClearFailureNotAHang)
{
    QTemporaryDir folder;
    const QString socket = QDir(folder.path()).filePath(u"irc/bridge.sock"_s);
    const QString url = u"irc://127.0.0.1:1/#quillo"_s;

    const QString missing = QDir(folder.path()).filePath(u"quillo-irc"_s);
    IrcLauncher absent(missing, folder.path());
    EXPECT_FALSE(absent.Ensure(url, u"Host"_s, {}, socket));
    EXPECT_TRUE(absent.ErrorText().contains(missing)) << absent.ErrorText().toStdString();
    EXPECT_FALSE(absent.StartedBridge());

    // A bridge that gives up at once (a command line it refuses) is seen to end, without
    // waiting out the time allowed.
    IrcLauncher refusing(
        WriteScript(folder, u"refusing"_s, "echo \"refusing: bad URL $5\" >&2; exit 2"),
        folder.path(), 60000);
    EXPECT_FALSE(refusing.Ensure(url, u"Host"_s, {}, socket));
    EXPECT_TRUE(refusing.ErrorText().contains(u"ended before it listened"_s))
        << refusing.ErrorText().toStdString();
    // Its own message reaches the host, and its arguments were the bridge's.
    EXPECT_TRUE(refusing.ErrorText().contains(u"refusing: bad URL "_s + url))
        << refusing.ErrorText().toStdString();

    // One that runs but never listens is given up after the time allowed.
    IrcLauncher silent(WriteScript(folder, u"silent"_s, "exec sleep 30"), folder.path(), 300);
    EXPECT_FALSE(silent.Ensure(url, u"Host"_s, {}, socket));
    EXPECT_TRUE(silent.ErrorText().contains(u"did not listen"_s))
        << silent.ErrorText().toStdString();
    // and not left behind.
    WaitUntil([&] { return !IrcLauncher::Alive(silent.BridgeProcessId()); }, 5000);
    EXPECT_FALSE(IrcLauncher::Alive(silent.BridgeProcessId()));
    EndProcess(silent.BridgeProcessId());
}
