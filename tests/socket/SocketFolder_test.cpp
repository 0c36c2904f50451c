#include "socket/ChatClientServer.h"
#include "socket/SocketFolder.h"

#include "room/PracticeRoom.h"
#include "support/WaitUntil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

constexpr uid_t Nobody = 65534;

bool MakeFolder(const QString& path, mode_t mode)
{
    const QByteArray name = QFile::encodeName(path);
    return ::mkdir(name.constData(), 0700) == 0 && ::chmod(name.constData(), mode) == 0;
}

struct stat Stat(const QString& path)
{
    struct stat info = {};
    ::lstat(QFile::encodeName(path).constData(), &info);
    return info;
}

mode_t Mode(const QString& path)
{
    return Stat(path).st_mode & 07777;
}

} // namespace

TEST(SocketFolder, AFolderMadeHereIs0700AndOneFoundIsCheckedNeverChanged)
{
    QTemporaryDir top;
    const QDir dir(top.path());
    ASSERT_TRUE(MakeFolder(dir.filePath(u"own"_s), 0700));
    ASSERT_TRUE(MakeFolder(dir.filePath(u"home"_s), 0755));
    ASSERT_TRUE(MakeFolder(dir.filePath(u"shared"_s), 0777));
    ASSERT_TRUE(MakeFolder(dir.filePath(u"sticky"_s), 01777));
    ASSERT_TRUE(MakeFolder(dir.filePath(u"open"_s), 0777));
    ASSERT_TRUE(MakeFolder(dir.filePath(u"open/inside"_s), 0700));
    ASSERT_TRUE(QFile::link(dir.filePath(u"own"_s), dir.filePath(u"link"_s)));
    QFile file(dir.filePath(u"file"_s));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_TRUE(MakeFolder(dir.filePath(u"nobodys"_s), 0700));
        ASSERT_EQ(
            ::chown(QFile::encodeName(dir.filePath(u"nobodys"_s)).constData(), Nobody, Nobody), 0);
    }

    struct Case
    {
        const char* folder;
        const char* refusal; // empty: used
        mode_t modeAfter;
    };
    const Case cases[] = {
        {"new/deeper", "", 0700},
        {"own", "", 0700},
        // Others may look but not write: nobody else can put a socket of his in its place.
        {"home", "", 0755},
        {"shared", "can be written by others (mode 0777)", 0777},
        {"sticky", "can be written by others (mode 01777)", 01777},
        {"open/inside", "in which others can write (mode 0777)", 0700},
        {"link", "is a symbolic link", 0777},
        {"file", "is not a folder", 0644},
        {"nobodys", "belongs to user nobody (65534)", 0700},
    };
    for (const Case& c : cases) {
        const QString folder = dir.filePath(QString::fromUtf8(c.folder));
        if (QString::fromUtf8(c.folder) == u"nobodys" && !root)
            continue; // only root can give a folder away
        const QString refusal = PrepareSocketFolder(folder);
        if (*c.refusal == 0) {
            EXPECT_TRUE(refusal.isEmpty()) << c.folder << ": " << refusal.toStdString();
        } else {
            EXPECT_TRUE(refusal.contains(QString::fromUtf8(c.refusal))) << refusal.toStdString();
            EXPECT_TRUE(refusal.contains(folder)) << refusal.toStdString();
        }
        EXPECT_EQ(refusal, CheckSocketFolder(folder)) << c.folder;
        if (QString::fromUtf8(c.folder) != u"link" && QString::fromUtf8(c.folder) != u"file")
            EXPECT_EQ(Mode(folder), c.modeAfter) << c.folder;
    }
    EXPECT_EQ(Mode(dir.filePath(u"new"_s)), 0700u);
    EXPECT_EQ(Mode(dir.filePath(u"own"_s)), 0700u) << "the link's target is left alone";

    // The room refuses such a folder the same way, and says which and why.
    PracticeRoom room;
    ChatClientServer server(room);
    EXPECT_FALSE(server.Listen(dir.filePath(u"shared/room.sock"_s)));
    EXPECT_TRUE(server.ErrorText().contains(dir.filePath(u"shared"_s)));
    EXPECT_FALSE(QFile::exists(dir.filePath(u"shared/room.sock"_s)));
    EXPECT_TRUE(server.Listen(dir.filePath(u"home/room.sock"_s)))
        << server.ErrorText().toStdString();
    EXPECT_EQ(Mode(dir.filePath(u"home"_s)), 0755u);
    EXPECT_EQ(Mode(dir.filePath(u"home/room.sock"_s)) & 077, 0u);
}

TEST(SocketFolder, TheDefaultIsInTheRuntimeFolderOnlyWhenThatIsTheUsersOwn)
{
    QTemporaryDir top;
    const QDir dir(top.path());
    ASSERT_TRUE(MakeFolder(dir.filePath(u"runtime"_s), 0700));
    ASSERT_TRUE(MakeFolder(dir.filePath(u"loose"_s), 0755));
    const QString own = u"quillo-%1"_s.arg(::geteuid());
    EXPECT_EQ(DefaultSocketFolder(dir.filePath(u"runtime"_s), u"/tmp"_s),
              dir.filePath(u"runtime/quillo"_s));
    EXPECT_EQ(DefaultSocketFolder({}, dir.path()), dir.filePath(own));
    EXPECT_EQ(DefaultSocketFolder(dir.filePath(u"loose"_s), dir.path()), dir.filePath(own));
    EXPECT_EQ(DefaultSocketFolder(dir.filePath(u"missing"_s), dir.path()), dir.filePath(own));
    EXPECT_EQ(DefaultSocketFolder(u"relative"_s, dir.path()), dir.filePath(own));
    // The folder a program named as the runtime folder for those it starts is the same one.
    ASSERT_TRUE(MakeFolder(dir.filePath(own), 0700));
    EXPECT_EQ(DefaultSocketFolder(dir.filePath(own), dir.path()).toStdString(),
              dir.filePath(own).toStdString());
    if (::geteuid() == 0) {
        // As root in a shell reached by su, the runtime folder is still the first user's.
        ASSERT_EQ(
            ::chown(QFile::encodeName(dir.filePath(u"runtime"_s)).constData(), Nobody, Nobody), 0);
        EXPECT_EQ(DefaultSocketFolder(dir.filePath(u"runtime"_s), dir.path()), dir.filePath(own));
    }
}

TEST(SocketFolder, WithoutARuntimeFolderTheRoomsWindowNamesItsOwnAndQtDoesNotWarn)
{
    QTemporaryDir temporary;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(u"XDG_RUNTIME_DIR"_s);
    environment.insert(u"TMPDIR"_s, temporary.path());
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    QProcess room;
    room.setProcessEnvironment(environment);
    room.start(QStringLiteral(QUILLO_ROOM_PROGRAM), {});
    const QString socket =
        QDir(temporary.path()).filePath(u"quillo-%1/room.sock"_s.arg(::geteuid()));
    QString output;
    EXPECT_TRUE(WaitUntil(
        [&] {
            output += QString::fromLocal8Bit(room.readAllStandardOutput());
            return output.contains(u"listening at "_s + socket);
        },
        10000))
        << output.toStdString();
    room.kill();
    room.waitForFinished(5000);
    EXPECT_EQ(Mode(QFileInfo(socket).absolutePath()), 0700u);
    EXPECT_FALSE(QString::fromLocal8Bit(room.readAllStandardError()).contains(u"QStandardPaths"_s));
}
