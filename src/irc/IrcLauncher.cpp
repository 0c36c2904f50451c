#include "irc/IrcLauncher.h"

#include "socket/SocketFolder.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QThread>

#include <utility>

#if defined(Q_OS_UNIX)
#include <csignal>
#endif

using namespace Qt::StringLiterals;

namespace {

// The last lines a bridge wrote, to say why it ended.
QString Tail(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    constexpr qint64 Room = 2000;
    if (file.size() > Room)
        file.seek(file.size() - Room);
    return QString::fromLocal8Bit(file.readAll()).trimmed();
}

bool Printed(const QString& path, const QByteArray& line)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.readAll().contains(line);
}

} // namespace

IrcLauncher::IrcLauncher(QString bridgeProgram, QString workingFolder, int startTimeoutMs)
    : program_(std::move(bridgeProgram)), workingFolder_(std::move(workingFolder)),
      startTimeoutMs_(startTimeoutMs)
{
}

bool IrcLauncher::Ensure(const QString& url, const QString& nick, const QStringList& bridgeOptions,
                         const QString& socketPath)
{
    processId_ = 0;
    error_.clear();
    // The socket's folder is the user's own, made here already for the bridge's log; a lock
    // and a socket found in any other could be anybody's.
    const QString folderError = PrepareSocketFolder(QFileInfo(socketPath).absolutePath());
    if (!folderError.isEmpty()) {
        error_ = folderError;
        return false;
    }
    if (Listening(socketPath))
        return true;
    if (!QFileInfo(program_).isExecutable()) {
        error_ = u"cannot start the IRC bridge: %1 is missing or not a program"_s.arg(program_);
        return false;
    }
    const QString log = LogPath(socketPath);
    QFile::remove(log);
    {
        // What the bridge prints is the host's own: made 0600 before the bridge appends to it.
        QFile made(log);
        if (!made.open(QIODevice::WriteOnly, QFile::ReadOwner | QFile::WriteOwner)) {
            error_ = u"cannot write the IRC bridge's log %1: %2"_s.arg(log, made.errorString());
            return false;
        }
    }
    QProcess bridge;
    bridge.setProgram(program_);
    bridge.setArguments(QStringList{u"--socket"_s, socketPath, u"--nick"_s, nick} + bridgeOptions +
                        QStringList{url});
    bridge.setWorkingDirectory(workingFolder_);
    // The bridge outlives the console and its terminal, so what it prints goes to a file.
    bridge.setStandardInputFile(QProcess::nullDevice());
    bridge.setStandardOutputFile(log, QIODevice::Append);
    bridge.setStandardErrorFile(log, QIODevice::Append);
    if (!bridge.startDetached(&processId_)) {
        error_ = u"cannot start the IRC bridge %1: %2"_s.arg(program_, bridge.errorString());
        processId_ = 0;
        return false;
    }
    // It says where it listens once it does: no connection of ours needs to take its place.
    const QByteArray listening = ("quillo-irc listening at " + socketPath).toLocal8Bit();
    const QDeadlineTimer deadline(startTimeoutMs_);
    while (!Printed(log, listening)) {
        if (!Alive(processId_)) {
            error_ = u"the IRC bridge ended before it listened: %1"_s.arg(Tail(log));
            return false;
        }
        if (deadline.hasExpired()) {
            Stop(processId_); // not left half started
            error_ = u"the IRC bridge did not listen at %1 within %2 seconds (its log: %3)"_s
                         .arg(socketPath)
                         .arg(startTimeoutMs_ / 1000.0)
                         .arg(log);
            return false;
        }
        QThread::msleep(20);
    }
    return true;
}

bool IrcLauncher::StartedBridge() const
{
    return processId_ != 0;
}

qint64 IrcLauncher::BridgeProcessId() const
{
    return processId_;
}

QString IrcLauncher::ErrorText() const
{
    return error_;
}

QString IrcLauncher::ReportText(const QString& socketPath) const
{
    const QString log = LogPath(socketPath);
    if (StartedBridge())
        return u"started the IRC bridge, process %1; its log: %2"_s.arg(processId_).arg(log);
    return u"using the IRC bridge that runs already, process %1; its log: %2"_s
        .arg(RunningProcessId(socketPath))
        .arg(log);
}

qint64 IrcLauncher::RunningProcessId(const QString& socketPath)
{
    if (!Listening(socketPath))
        return 0;
    qint64 processId = 0;
    QLockFile(socketPath + u".lock"_s).getLockInfo(&processId, nullptr, nullptr);
    return processId;
}

bool IrcLauncher::Listening(const QString& socketPath)
{
    // The bridge holds a lock beside its socket while it runs; it is stale once its process is
    // gone, so a socket a crashed bridge left behind does not count.
    QLockFile lock(socketPath + u".lock"_s);
    lock.setStaleLockTime(0);
    if (lock.tryLock(0)) {
        lock.unlock();
        return false;
    }
    return lock.error() == QLockFile::LockFailedError && QFileInfo::exists(socketPath);
}

QString IrcLauncher::LogPath(const QString& socketPath)
{
    return socketPath + u".log"_s;
}

void IrcLauncher::Stop(qint64 processId)
{
#if defined(Q_OS_UNIX)
    ::kill(static_cast<pid_t>(processId), SIGTERM);
#else
    Q_UNUSED(processId); // elsewhere a bridge that never listens ends itself or is ended by hand
#endif
}

bool IrcLauncher::Alive(qint64 processId)
{
    if (processId <= 0)
        return false;
#if !defined(Q_OS_UNIX)
    return true; // without a portable test the start-up deadline alone decides
#else
    if (::kill(static_cast<pid_t>(processId), 0) != 0)
        return false;
    // A zombie still answers kill(); its state in /proc says it has ended.
    QFile stat(u"/proc/%1/stat"_s.arg(processId));
    if (!stat.open(QIODevice::ReadOnly))
        return true;
    const QByteArray text = stat.readAll();
    const qsizetype close = text.lastIndexOf(')');
    return close < 0 || text.mid(close + 2, 1) != "Z";
#endif
}
