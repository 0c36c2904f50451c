#include "irc/IrcBridgeControl.h"
#include "irc/IrcBridgePath.h"
#include "irc/IrcLauncher.h"
#include "irc/support/BridgeConsole.h"
#include "irc/support/BridgeOnIrcServer.h"
#include "support/WaitUntil.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct ProgramRun
{
    int Status = -1;
    QString Output;
    QString Errors;
};

// quillo-irc run to its end, with no display, as over ssh.
ProgramRun RunBridgeProgram(const QStringList& arguments, const QString& runtimeFolder = {})
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString& name : {u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s, u"QT_QPA_PLATFORM"_s})
        environment.remove(name);
    if (!runtimeFolder.isEmpty())
        environment.insert(u"XDG_RUNTIME_DIR"_s, runtimeFolder);
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(IrcBridgeProcess::Program(), arguments);
    ProgramRun run;
    if (!program.waitForFinished(20000)) {
        program.kill();
        program.waitForFinished(5000);
        return run;
    }
    run.Status = program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
    run.Output = QString::fromLocal8Bit(program.readAllStandardOutput());
    run.Errors = QString::fromLocal8Bit(program.readAllStandardError());
    return run;
}

bool SawQuit(IrcTestClient& bob)
{
    return bob.WaitForLine(
        [](const QByteArray& line) { return line.startsWith(":Host!") && line.contains(" QUIT "); },
        10000);
}

} // namespace

TEST(IrcBridgeOptions, HelpVersionAndAnUnknownOptionAnswerWithoutADisplayOrABridge)
{
    const ProgramRun help = RunBridgeProgram({u"--help"_s});
    EXPECT_EQ(help.Status, 0);
    EXPECT_TRUE(help.Output.startsWith(u"Usage: quillo-irc "_s)) << help.Output.toStdString();
    EXPECT_TRUE(help.Output.contains(u"--idle-exit"_s) && help.Output.contains(u"--list"_s));
    EXPECT_TRUE(help.Errors.isEmpty()) << help.Errors.toStdString();

    const ProgramRun version = RunBridgeProgram({u"--version"_s});
    EXPECT_EQ(version.Status, 0);
    EXPECT_EQ(version.Output, u"quillo-irc (Quillo Console) 3.0.0\n"_s);

    const ProgramRun bogus =
        RunBridgeProgram({u"--bogus"_s, u"--nick"_s, u"Host"_s, u"irc://h/#q"_s});
    EXPECT_EQ(bogus.Status, 2);
    EXPECT_TRUE(bogus.Output.isEmpty());
    const QStringList lines = bogus.Errors.split(u'\n');
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines[0], u"quillo-irc: unknown option '--bogus'"_s);
    EXPECT_TRUE(lines[1].startsWith(u"Usage: quillo-irc "_s)) << bogus.Errors.toStdString();

    // A fault only the bridge can see, after the common check, ends the same way.
    const ProgramRun noNick = RunBridgeProgram({u"irc://h/#q"_s});
    EXPECT_EQ(noNick.Status, 2);
    EXPECT_TRUE(noNick.Errors.startsWith(u"quillo-irc: --nick needs"_s))
        << noNick.Errors.toStdString();
    EXPECT_TRUE(noNick.Errors.contains(u"\nUsage: quillo-irc "_s));
}

TEST(IrcBridgeOptions, ASocketFolderOthersCanWriteInIsRefusedByTheBridgeAndTheLauncher)
{
    QTemporaryDir top;
    const QString shared = QDir(top.path()).filePath(u"shared"_s);
    ASSERT_TRUE(QDir().mkdir(shared));
    const QFile::Permissions open = QFile::Permissions(0x7777);
    ASSERT_TRUE(QFile::setPermissions(shared, open));
    const QString socket = shared + u"/irc.sock"_s;

    const ProgramRun bridge = RunBridgeProgram(
        {u"--socket"_s, socket, u"--nick"_s, u"Host"_s, u"irc://127.0.0.1:1/#q"_s});
    EXPECT_EQ(bridge.Status, 1);
    EXPECT_TRUE(bridge.Errors.contains(shared + u" can be written by others"_s))
        << bridge.Errors.toStdString();

    IrcLauncher launcher(IrcBridgeProcess::Program(), top.path());
    EXPECT_FALSE(launcher.Ensure(u"irc://127.0.0.1:1/#q"_s, u"Host"_s, {}, socket));
    EXPECT_TRUE(launcher.ErrorText().contains(shared)) << launcher.ErrorText().toStdString();
    EXPECT_FALSE(launcher.StartedBridge());
    EXPECT_EQ(QFileInfo(shared).permissions(), open); // left as it was
    EXPECT_TRUE(QDir(shared).isEmpty());
}

class IrcBridgeControl : public BridgeOnIrcServer
{
};

TEST_F(IrcBridgeControl, ListShowsTheBridgeAndStopNamedByAnotherSpellingEndsItWithQuit)
{
    ASSERT_TRUE(StartServer());
    ASSERT_TRUE(JoinBob());
    QTemporaryDir runtime; // the host's own runtime folder, 0700
    const QString folder = QDir(runtime.path()).filePath(u"quillo"_s);
    const QString url = server->Url(u"#quillo"_s);
    const QString socket = IrcBridgeSocketPath(url, u"Host"_s, folder);
    IrcLauncher launcher(IrcBridgeProcess::Program(), runtime.path());
    ASSERT_TRUE(launcher.Ensure(url, u"Host"_s, {u"--reconnect-min"_s, u"100"_s}, socket))
        << launcher.ErrorText().toStdString();
    const qint64 process = launcher.BridgeProcessId();
    EXPECT_TRUE(launcher.ReportText(socket).contains(u"process %1"_s.arg(process)));
    EXPECT_TRUE(launcher.ReportText(socket).contains(IrcLauncher::LogPath(socket)));
    EXPECT_EQ(QFileInfo(IrcLauncher::LogPath(socket)).permissions() & QFile::ReadOther,
              QFile::Permissions());
    ASSERT_TRUE(BobSawJoin("Host"));

    const QList<IrcBridgeEntry> running = RunningBridges(folder);
    ASSERT_EQ(running.size(), 1);
    const QString address = u"irc://127.0.0.1:%1"_s.arg(server->Port());
    EXPECT_EQ(running[0].Server, address);
    EXPECT_EQ(running[0].Channel, u"#quillo"_s);
    EXPECT_EQ(running[0].Nick, u"Host"_s);
    EXPECT_EQ(running[0].ProcessId, process);
    EXPECT_EQ(running[0].SocketPath, socket);
    const ProgramRun list = RunBridgeProgram({u"--list"_s}, runtime.path());
    EXPECT_EQ(list.Status, 0);
    EXPECT_TRUE(
        list.Output.contains(u"%1\t#quillo\tHost\t%2\t%3"_s.arg(address).arg(process).arg(socket)))
        << list.Output.toStdString();

    // A console that comes back with the channel spelled otherwise reuses it.
    const QString other = u"irc://127.0.0.1:%1/%23QUILLO"_s.arg(server->Port());
    EXPECT_EQ(IrcBridgeSocketPath(other, u"HOST"_s, folder), socket);
    IrcLauncher again(IrcBridgeProcess::Program(), runtime.path());
    ASSERT_TRUE(again.Ensure(other, u"HOST"_s, {}, IrcBridgeSocketPath(other, u"HOST"_s, folder)));
    EXPECT_FALSE(again.StartedBridge());
    EXPECT_TRUE(again.ReportText(socket).contains(u"runs already, process %1"_s.arg(process)));

    const ProgramRun stop =
        RunBridgeProgram({u"--stop"_s, u"--nick"_s, u"host"_s, other}, runtime.path());
    EXPECT_EQ(stop.Status, 0) << stop.Errors.toStdString();
    EXPECT_FALSE(IrcLauncher::Alive(process));
    EXPECT_TRUE(SawQuit(*bob));
    EXPECT_TRUE(RunningBridges(folder).isEmpty());
    EXPECT_EQ(RunBridgeProgram({u"--list"_s}, runtime.path()).Output, u"no IRC bridge runs\n"_s);
    const ProgramRun none = RunBridgeProgram({u"--stop"_s, u"--socket"_s, socket}, runtime.path());
    EXPECT_EQ(none.Status, 1);
    EXPECT_TRUE(none.Errors.contains(u"no IRC bridge runs at "_s + socket));
}

TEST_F(IrcBridgeControl, ABridgeWithNoConsoleForItsIdleTimeLeavesTheServer)
{
    ASSERT_TRUE(StartServer());
    ASSERT_TRUE(JoinBob());
    bridge = std::make_unique<IrcBridgeProcess>(
        IrcBridgeProcess::FastArguments("Host", server->Url(u"quillo"_s)) +
        QStringList{u"--idle-exit"_s, u"2"_s});
    ASSERT_TRUE(bridge->Start()) << bridge->Log().toStdString();
    {
        // While a console is there the bridge stays: it still answers well past its idle time.
        BridgeConsole console(bridge->SocketPath());
        ASSERT_EQ(console.Init(), 0);
        ASSERT_TRUE(BobSawJoin("Host"));
        QElapsedTimer held;
        held.start();
        for (int tick = 1; tick <= 10; ++tick) {
            ASSERT_EQ(console.Say("still here"), QByteArray("0")) << bridge->Log().toStdString();
            WaitUntil([&] { return held.elapsed() >= tick * 350; }, 1000); // pacing, not proof
        }
    }
    EXPECT_EQ(bridge->WaitForExit(10000), 0) << bridge->Log().toStdString();
    EXPECT_TRUE(bridge->Log().contains(u"no console for 2 seconds"_s))
        << bridge->Log().toStdString();
    EXPECT_TRUE(SawQuit(*bob));
}
