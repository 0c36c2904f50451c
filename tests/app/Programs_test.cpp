#include "support/WaitUntil.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// A session with no desktop: a program that tried to open a window would say it needs one.
QProcessEnvironment WithoutDisplay()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString& name : {u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s, u"QT_QPA_PLATFORM"_s})
        environment.remove(name);
    return environment;
}

struct Ran
{
    int Status = -1;
    QString Out;
    QString Err;
};

Ran RunProgram(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setProcessEnvironment(WithoutDisplay());
    process.start(program, arguments);
    if (!process.waitForFinished(20000))
        process.kill();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

} // namespace

TEST(Programs, HelpVersionAndAnUnknownOptionAnswerWithoutAWindow)
{
    for (const auto& [program, name] :
         {std::pair{u"" QUILLO_CONSOLE_PROGRAM ""_s, u"quillo"_s},
          std::pair{u"" QUILLO_ROOM_PROGRAM ""_s, u"quillo-room"_s}}) {
        SCOPED_TRACE(name.toStdString());
        const Ran help = RunProgram(program, {u"--help"_s});
        EXPECT_EQ(help.Status, 0);
        EXPECT_TRUE(help.Out.startsWith(u"Usage: "_s + name + u" ["_s)) << qPrintable(help.Out);
        EXPECT_TRUE(help.Out.contains(u"  -h, --help"_s));
        EXPECT_EQ(help.Err, QString());

        const Ran version = RunProgram(program, {u"--version"_s});
        EXPECT_EQ(version.Status, 0);
        EXPECT_EQ(version.Out, name + u" (Quillo Console) 3.0.0\n"_s);

        const Ran bogus = RunProgram(program, {u"--bogus"_s});
        EXPECT_EQ(bogus.Status, 2);
        EXPECT_EQ(bogus.Out, QString());
        EXPECT_TRUE(bogus.Err.startsWith(name + u": unknown option '--bogus'\nUsage: "_s + name))
            << qPrintable(bogus.Err);
    }
    // Without those options the console does want a window, and says what it needs instead.
    const Ran bare = RunProgram(u"" QUILLO_CONSOLE_PROGRAM ""_s, {});
    EXPECT_EQ(bare.Status, 2);
    EXPECT_TRUE(bare.Err.startsWith(u"quillo: this program shows its window on a desktop"_s))
        << qPrintable(bare.Err);
    EXPECT_TRUE(bare.Err.contains(u"ssh -X"_s));
    EXPECT_FALSE(bare.Err.contains(u"xvfb-run"_s));
}

TEST(Programs, AChatClientThatDoesNotAnswerIsNamedOnStandardError)
{
    QTemporaryDir home;
    // A folder of the user's own that nobody listens in: a missing folder is refused first.
    ASSERT_TRUE(QDir(home.path()).mkdir(u"nobody"_s));
    QFile::setPermissions(home.filePath(u"nobody"_s),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString socket = home.filePath(u"nobody/room.sock"_s);
    QProcessEnvironment environment = WithoutDisplay();
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    environment.insert(u"QUILLO_HOME"_s, home.path());
    QProcess console;
    console.setProcessEnvironment(environment);
    console.start(u"" QUILLO_CONSOLE_PROGRAM ""_s, {u"--chat-client"_s, socket});
    QString err;
    // The note comes before the box, which then waits for the host.
    EXPECT_TRUE(WaitUntil(
        [&] {
            err += QString::fromLocal8Bit(console.readAllStandardError());
            return err.contains(u"quillo-room --socket "_s + socket);
        },
        20000))
        << qPrintable(err);
    // Qt may warn first; the note is a line of its own.
    EXPECT_TRUE(QString(u"\n"_s + err)
                    .contains(u"\nquillo: no chat client answers at "_s + socket + u".\n"_s));
    console.kill();
    console.waitForFinished(5000);
}
