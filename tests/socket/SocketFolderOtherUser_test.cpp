#include "support/WaitUntil.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// A user of the machine made for the test, and removed after it: the other user who would
// take the room's place.
class OtherUser
{
public:
    OtherUser() : name_(u"quillot%1"_s.arg(QCoreApplication::applicationPid()))
    {
        // Another program may hold the user database's lock for a moment: try again.
        WaitUntil(
            [this] {
                return QProcess::execute(u"useradd"_s,
                                         {u"--system"_s, u"--no-create-home"_s, u"--shell"_s,
                                          u"/usr/sbin/nologin"_s, name_}) == 0;
            },
            10000);
        if (const passwd* entry = ::getpwnam(name_.toLocal8Bit().constData())) {
            uid_ = entry->pw_uid;
            gid_ = entry->pw_gid;
        }
    }
    ~OtherUser()
    {
        if (uid_ != 0)
            WaitUntil([this] { return QProcess::execute(u"userdel"_s, {name_}) == 0; }, 10000);
    }
    bool Exists() const
    {
        return uid_ != 0;
    }
    QString Name() const
    {
        return name_;
    }
    uid_t Uid() const
    {
        return uid_;
    }
    // A shell command run as this user; true when it succeeded.
    bool Run(const QString& command) const
    {
        return QProcess::execute(u"setpriv"_s,
                                 {u"--reuid=%1"_s.arg(uid_), u"--regid=%1"_s.arg(gid_),
                                  u"--clear-groups"_s, u"sh"_s, u"-c"_s, command}) == 0;
    }

private:
    QString name_;
    uid_t uid_ = 0;
    gid_t gid_ = 0;
};

struct Outcome
{
    int Status = -1;
    QString Output;
    QString Errors;
};

// The room program, in a shared temporary folder and with no runtime folder, as under su or
// over ssh. A room that listens is ended once it said where.
Outcome StartRoom(const QString& temporaryFolder, const QStringList& arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(u"XDG_RUNTIME_DIR"_s);
    environment.insert(u"TMPDIR"_s, temporaryFolder);
    QProcess room;
    room.setProcessEnvironment(environment);
    room.start(QStringLiteral(QUILLO_ROOM_PROGRAM), QStringList{u"--headless"_s} + arguments);
    Outcome outcome;
    if (!room.waitForStarted(10000))
        return outcome;
    WaitUntil(
        [&] {
            outcome.Output += QString::fromLocal8Bit(room.readAllStandardOutput());
            return outcome.Output.contains(u"listening at"_s) ||
                   room.state() == QProcess::NotRunning;
        },
        10000);
    if (room.state() == QProcess::Running)
        room.kill();
    room.waitForFinished(5000);
    outcome.Status = room.exitStatus() == QProcess::NormalExit ? room.exitCode() : -1;
    outcome.Output += QString::fromLocal8Bit(room.readAllStandardOutput());
    outcome.Errors = QString::fromLocal8Bit(room.readAllStandardError());
    return outcome;
}

mode_t Mode(const QString& path)
{
    struct stat info = {};
    ::lstat(QFile::encodeName(path).constData(), &info);
    return info.st_mode & 07777;
}

} // namespace

TEST(SocketFolderOtherUser, AnotherUsersFoldersAreRefusedUntouchedAndTheRoomsOwnCannotBeTaken)
{
    if (::geteuid() != 0 || QStandardPaths::findExecutable(u"useradd"_s).isEmpty() ||
        QStandardPaths::findExecutable(u"setpriv"_s).isEmpty())
        GTEST_SKIP() << "needs root, useradd and setpriv to act as another user; "
                        "SocketFolder's tests check the same rule on folders of the wrong mode";
    const OtherUser other;
    ASSERT_TRUE(other.Exists());
    QTemporaryDir shared; // a /tmp of the test's own
    ASSERT_EQ(::chmod(QFile::encodeName(shared.path()).constData(), 01777), 0);
    const QDir tmp(shared.path());
    const QString trap = tmp.filePath(u"quillo-%1"_s.arg(::geteuid()));
    const QString theirs = tmp.filePath(u"theirs"_s);

    // He prepares the folder the room would fall back to, and one of his own.
    ASSERT_TRUE(
        other.Run(u"mkdir -m 777 %1 && chmod 777 %1 && mkdir -m 755 %2"_s.arg(trap, theirs)));
    const Outcome fallback = StartRoom(shared.path(), {});
    EXPECT_EQ(fallback.Status, 1);
    EXPECT_TRUE(fallback.Errors.contains(trap + u" belongs to user "_s + other.Name()))
        << fallback.Errors.toStdString();
    EXPECT_FALSE(fallback.Errors.contains(u"QStandardPaths"_s)) << fallback.Errors.toStdString();
    EXPECT_TRUE(QDir(trap).isEmpty());
    EXPECT_EQ(Mode(trap), 0777u);

    // A folder named with --socket is checked alike, and left as it was.
    const Outcome named = StartRoom(shared.path(), {u"--socket"_s, theirs + u"/room.sock"_s});
    EXPECT_EQ(named.Status, 1);
    EXPECT_TRUE(named.Errors.contains(theirs)) << named.Errors.toStdString();
    EXPECT_EQ(Mode(theirs), 0755u);

    // Once his folder is gone the room makes its own, where he cannot move the socket aside.
    ASSERT_TRUE(other.Run(u"rmdir %1"_s.arg(trap)));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(u"XDG_RUNTIME_DIR"_s);
    environment.insert(u"TMPDIR"_s, shared.path());
    QProcess room;
    room.setProcessEnvironment(environment);
    room.start(QStringLiteral(QUILLO_ROOM_PROGRAM), {u"--headless"_s});
    QString output;
    ASSERT_TRUE(WaitUntil(
        [&] {
            output += QString::fromLocal8Bit(room.readAllStandardOutput());
            return output.contains(u"listening at "_s + trap + u"/room.sock"_s);
        },
        10000))
        << output.toStdString();
    EXPECT_EQ(Mode(trap), 0700u);
    EXPECT_FALSE(other.Run(u"mv %1/room.sock %2/moved.sock"_s.arg(trap, shared.path())));
    EXPECT_FALSE(other.Run(u"mv %1 %2/moved"_s.arg(trap, shared.path())));
    EXPECT_TRUE(QFile::exists(trap + u"/room.sock"_s));
    EXPECT_FALSE(QString::fromLocal8Bit(room.readAllStandardError()).contains(u"QStandardPaths"_s));
    room.kill();
    room.waitForFinished(5000);
}
