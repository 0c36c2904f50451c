#include "irc/IrcLauncher.h"
#include "irc/support/BridgeOnIrcServer.h"
#include "support/WaitUntil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// `quillo --irc` as a host starts it, offscreen, with folders of the test's own.
class ConsoleOnIrc
{
public:
    ConsoleOnIrc(const QString& url, const QString& runtime, const QString& home)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"XDG_RUNTIME_DIR"_s, runtime);
        environment.insert(u"QUILLO_HOME"_s, home);
        environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        process_.setProcessEnvironment(environment);
        process_.start(QStringLiteral(QUILLO_CONSOLE_PROGRAM),
                       {u"--irc"_s, url, u"--nick"_s, u"Host"_s, u"--reconnect-min"_s, u"100"_s});
    }
    ~ConsoleOnIrc()
    {
        process_.terminate();
        if (!process_.waitForFinished(5000)) {
            process_.kill();
            process_.waitForFinished(5000);
        }
    }
    // The line that names the bridge, once it came.
    QString BridgeLine()
    {
        const QRegularExpression line(u"quillo: (.*process \\d+; its log: \\S+)\n"_s);
        QRegularExpressionMatch match;
        WaitUntil(
            [&] {
                errors_ += QString::fromLocal8Bit(process_.readAllStandardError());
                match = line.match(errors_);
                return match.hasMatch() || process_.state() == QProcess::NotRunning;
            },
            15000);
        return match.hasMatch() ? match.captured(1) : errors_;
    }

private:
    QProcess process_;
    QString errors_;
};

} // namespace

class IrcConsoleLaunch : public BridgeOnIrcServer
{
};

TEST_F(IrcConsoleLaunch, TheConsoleSaysWhichBridgeItStartedOrFoundAndWhereItsLogIs)
{
    ASSERT_TRUE(StartServer());
    ASSERT_TRUE(JoinBob());
    QTemporaryDir runtime;
    QTemporaryDir home;
    const QString url = server->Url(u"#quillo"_s);
    qint64 process = 0;
    QString log;
    {
        ConsoleOnIrc first(url, runtime.path(), home.path());
        const QString line = first.BridgeLine();
        const QRegularExpressionMatch started =
            QRegularExpression(u"^started the IRC bridge, process (\\d+); its log: (\\S+)$"_s)
                .match(line);
        ASSERT_TRUE(started.hasMatch()) << line.toStdString();
        process = started.captured(1).toLongLong();
        log = started.captured(2);
        EXPECT_TRUE(log.startsWith(runtime.path() + u"/quillo/irc-"_s)) << log.toStdString();
        EXPECT_EQ(QFileInfo(log).permissions() & (QFile::ReadGroup | QFile::ReadOther),
                  QFile::Permissions());
        ASSERT_TRUE(BobSawJoin("Host"));
    }
    // The console ended; the bridge did not. The next console names the same one.
    EXPECT_TRUE(IrcLauncher::Alive(process));
    const QString spelledOtherwise =
        url.toUpper().replace(u"#"_s, u"%23"_s).replace(u"IRC:"_s, u"irc:"_s);
    ConsoleOnIrc second(spelledOtherwise, runtime.path(), home.path());
    EXPECT_EQ(
        second.BridgeLine(),
        u"using the IRC bridge that runs already, process %1; its log: %2"_s.arg(process).arg(log));
    IrcLauncher::Stop(process);
    EXPECT_TRUE(WaitUntil([&] { return !IrcLauncher::Alive(process); }, 10000));
}

TEST(IrcConsoleSocket, TheConsoleReachesNoSocketInAFolderOthersCanWriteIn)
{
    QTemporaryDir top;
    const QString shared = top.filePath(u"shared"_s);
    ASSERT_TRUE(QDir().mkdir(shared));
    ASSERT_TRUE(QFile::setPermissions(shared, QFile::Permissions(0x7777)));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"QUILLO_HOME"_s, top.path());
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    QProcess console;
    console.setProcessEnvironment(environment);
    console.start(QStringLiteral(QUILLO_CONSOLE_PROGRAM),
                  {u"--chat-client"_s, shared + u"/room.sock"_s});
    ASSERT_TRUE(console.waitForFinished(15000));
    EXPECT_EQ(console.exitCode(), 1);
    EXPECT_TRUE(
        QString::fromLocal8Bit(console.readAllStandardError())
            .contains(u"quillo: the socket folder "_s + shared + u" can be written by others"_s));
}
