#include "socket/SocketFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#if defined(Q_OS_UNIX)
#include <cerrno>
#include <cstring>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;

#if defined(Q_OS_UNIX)
namespace {

QString Clean(const QString& folder)
{
    return QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
}

QString UserName(uid_t user)
{
    const passwd* entry = ::getpwuid(user);
    return entry ? u"%1 (%2)"_s.arg(QString::fromLocal8Bit(entry->pw_name)).arg(user)
                 : u"%1"_s.arg(user);
}

QString ModeText(mode_t mode)
{
    return u"0"_s + QString::number(mode & 07777, 8);
}

bool Lstat(const QString& path, struct stat& info)
{
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0;
}

bool UsableRuntimeFolder(const QString& folder)
{
    struct stat info = {};
    return QDir::isAbsolutePath(folder) && Lstat(folder, info) && S_ISDIR(info.st_mode) &&
           info.st_uid == ::geteuid() && (info.st_mode & 077) == 0;
}

QString OwnFolder(const QString& temporaryFolder)
{
    return QDir::cleanPath(QDir(temporaryFolder).filePath(u"quillo-%1"_s.arg(::geteuid())));
}

// A folder above the socket folder that another user could rename, and so put a folder of his
// own in the socket folder's place: one he owns, or one others may write in without the
// sticky bit that keeps them from renaming what is not theirs.
QString CheckFoldersAbove(const QString& folder)
{
    QString above = QFileInfo(QFileInfo(folder).absolutePath()).canonicalFilePath();
    const uid_t me = ::geteuid();
    while (!above.isEmpty()) {
        struct stat info = {};
        if (::stat(QFile::encodeName(above).constData(), &info) != 0)
            return u"the socket folder %1 lies in %2, which cannot be read"_s.arg(folder, above);
        if (info.st_uid != 0 && info.st_uid != me)
            return u"the socket folder %1 lies in %2, which belongs to user %3, who could "
                   "replace it"_s.arg(folder, above, UserName(info.st_uid));
        if ((info.st_mode & (S_IWGRP | S_IWOTH)) != 0 && (info.st_mode & S_ISVTX) == 0)
            return u"the socket folder %1 lies in %2, in which others can write (mode %3), so "
                   "they could replace it"_s.arg(folder, above, ModeText(info.st_mode));
        if (above == u"/")
            break;
        above = QFileInfo(above).absolutePath();
    }
    return {};
}

} // namespace
#endif

QString DefaultSocketFolder()
{
    return DefaultSocketFolder(qEnvironmentVariable("XDG_RUNTIME_DIR"), QDir::tempPath());
}

QString DefaultSocketFolder(const QString& runtimeFolder, const QString& temporaryFolder)
{
#if defined(Q_OS_UNIX)
    // The runtime folder only when it is what it claims to be: a shell reached by su keeps
    // the first user's, which is not this user's own. One named by UseOwnRuntimeFolder is
    // the socket folder itself.
    const QString own = OwnFolder(temporaryFolder);
    if (UsableRuntimeFolder(runtimeFolder) && QDir::cleanPath(runtimeFolder) != own)
        return QDir(runtimeFolder).filePath(u"quillo"_s);
    // One folder a user in the shared temporary folder, so that nobody else's stands in it.
    return own;
#else
    Q_UNUSED(runtimeFolder);
    return QDir(temporaryFolder).filePath(u"quillo"_s);
#endif
}

QString UseOwnRuntimeFolder()
{
#if defined(Q_OS_UNIX)
    if (UsableRuntimeFolder(qEnvironmentVariable("XDG_RUNTIME_DIR")))
        return {};
    const QString own = OwnFolder(QDir::tempPath());
    const QString refusal = PrepareSocketFolder(own);
    if (!refusal.isEmpty())
        return refusal;
    if (!UsableRuntimeFolder(own))
        return {}; // the host's own folder of another mode: Qt would change it, so not named
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(own));
#endif
    return {};
}

QString CheckSocketFolder(const QString& folder)
{
#if defined(Q_OS_UNIX)
    const QString path = Clean(folder);
    struct stat info = {};
    if (!Lstat(path, info))
        return u"the socket folder %1 cannot be used: %2"_s.arg(
            path, QString::fromLocal8Bit(std::strerror(errno)));
    if (S_ISLNK(info.st_mode))
        return u"the socket folder %1 is a symbolic link; it must be a real folder"_s.arg(path);
    if (!S_ISDIR(info.st_mode))
        return u"the socket folder %1 is not a folder"_s.arg(path);
    if (info.st_uid != ::geteuid())
        return u"the socket folder %1 belongs to user %2, not to you (user %3); remove it, or "
               "name a folder of your own"_s.arg(path, UserName(info.st_uid),
                                                 UserName(::geteuid()));
    // Read access for others shows only names: the socket itself takes only its owner.
    if ((info.st_mode & (S_IWGRP | S_IWOTH)) != 0)
        return u"the socket folder %1 can be written by others (mode %2); make it 0700 "
               "(chmod 700 %1), or name another"_s.arg(path, ModeText(info.st_mode));
    return CheckFoldersAbove(path);
#else
    Q_UNUSED(folder);
    return {};
#endif
}

QString PrepareSocketFolder(const QString& folder)
{
#if defined(Q_OS_UNIX)
    const QString path = Clean(folder);
    // Each missing folder on the way is made here, so it is this user's and 0700; a folder
    // that appears meanwhile is left to the check below.
    QString made;
    for (const QString& part : path.split(u'/', Qt::SkipEmptyParts)) {
        made += u'/' + part;
        struct stat info = {};
        if (Lstat(made, info))
            continue;
        if (::mkdir(QFile::encodeName(made).constData(), 0700) == 0)
            ::chmod(QFile::encodeName(made).constData(), 0700); // whatever the umask left
        else if (errno != EEXIST)
            return u"cannot make the socket folder %1: %2"_s.arg(
                made, QString::fromLocal8Bit(std::strerror(errno)));
    }
    return CheckSocketFolder(path);
#else
    return QDir().mkpath(folder) ? QString() : u"cannot make the socket folder %1"_s.arg(folder);
#endif
}
