#include "IrcBridgeProcess.h"

#include "support/WaitUntil.h"

#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

IrcBridgeProcess::IrcBridgeProcess(const QStringList& arguments,
                                   const QProcessEnvironment& environment)
    : socketPath_(QDir(folder_.path()).filePath(u"irc/irc.sock"_s))
{
    process_.setProgram(Program());
    process_.setArguments(QStringList{u"--socket"_s, socketPath_} + arguments);
    process_.setProcessEnvironment(environment);
    // Into a file: a pipe nobody reads during a long game would stall the bridge's log.
    process_.setStandardErrorFile(QDir(folder_.path()).filePath(u"bridge.log"_s));
}

IrcBridgeProcess::~IrcBridgeProcess()
{
    Stop();
}

QString IrcBridgeProcess::Program()
{
    return QStringLiteral(QUILLO_IRC_PROGRAM);
}

QStringList IrcBridgeProcess::FastArguments(const QByteArray& nick, const QString& url)
{
    return {u"--nick"_s, QString::fromUtf8(nick), u"--reconnect-min"_s,
            u"100"_s,    u"--reconnect-max"_s,    u"400"_s,
            url};
}

bool IrcBridgeProcess::Start(int timeoutMs)
{
    process_.start();
    started_ = process_.waitForStarted(timeoutMs);
    if (!started_)
        return false;
    const QByteArray expected = ("quillo-irc listening at " + socketPath_).toLocal8Bit();
    bool listening = false;
    WaitUntil(
        [&] {
            ReadOutput();
            for (const QByteArray& line : output_.split('\n'))
                listening = listening || line.trimmed() == expected;
            return listening || !Running();
        },
        timeoutMs);
    return listening;
}

void IrcBridgeProcess::ReadOutput()
{
    output_ += process_.readAllStandardOutput();
}

int IrcBridgeProcess::Stop(int timeoutMs)
{
    if (process_.state() == QProcess::NotRunning)
        return ExitCodeOf();
    process_.terminate();
    if (!process_.waitForFinished(timeoutMs)) {
        process_.kill();
        process_.waitForFinished(5000);
        return -1;
    }
    return ExitCodeOf();
}

int IrcBridgeProcess::WaitForExit(int timeoutMs)
{
    if (process_.state() != QProcess::NotRunning && !process_.waitForFinished(timeoutMs))
        return -1;
    return ExitCodeOf();
}

int IrcBridgeProcess::ExitCodeOf()
{
    ReadOutput();
    if (!started_ || process_.exitStatus() != QProcess::NormalExit)
        return -1;
    return process_.exitCode();
}

bool IrcBridgeProcess::Running() const
{
    return process_.state() == QProcess::Running;
}

QString IrcBridgeProcess::SocketPath() const
{
    return socketPath_;
}

QString IrcBridgeProcess::Output()
{
    ReadOutput();
    return QString::fromLocal8Bit(output_);
}

QString IrcBridgeProcess::Log() const
{
    QFile file(QDir(folder_.path()).filePath(u"bridge.log"_s));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}
