#include "IrcServerProcess.h"

#include "support/WaitUntil.h"

#include <QDir>
#include <QFile>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

using namespace Qt::StringLiterals;

namespace {

quint16 FreePort()
{
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost, 0))
        return 0;
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}

QString ReadFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

} // namespace

IrcServerProcess::IrcServerProcess() : port_(FreePort())
{
    process_.setWorkingDirectory(folder_.path());
    // Into a file, not a pipe: a pipe nobody reads during a long test would stall the server.
    process_.setStandardOutputFile(FilePath(u"server.out"_s), QIODevice::Append);
    process_.setProcessChannelMode(QProcess::MergedChannels);
}

IrcServerProcess::~IrcServerProcess()
{
    Stop();
}

void IrcServerProcess::SetCommand(const QString& program, const QStringList& arguments)
{
    process_.setProgram(program);
    process_.setArguments(arguments);
}

QString IrcServerProcess::Folder() const
{
    return folder_.path();
}

QString IrcServerProcess::FilePath(const QString& name) const
{
    return QDir(folder_.path()).filePath(name);
}

void IrcServerProcess::WriteFile(const QString& name, const QString& text) const
{
    QFile file(FilePath(name));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(text.toUtf8());
}

bool IrcServerProcess::Start(int timeoutMs)
{
    if (port_ == 0 || !folder_.isValid())
        return false;
    if (Running())
        return true;
    process_.start();
    if (!process_.waitForStarted(timeoutMs))
        return false;
    bool accepts = false;
    WaitUntil(
        [&] {
            accepts = Running() && PortAccepts();
            return accepts || !Running();
        },
        timeoutMs);
    return accepts;
}

bool IrcServerProcess::PortAccepts() const
{
    QTcpSocket probe;
    probe.connectToHost(QHostAddress::LocalHost, port_);
    const bool accepted = probe.waitForConnected(200);
    probe.abort();
    return accepted;
}

void IrcServerProcess::Stop()
{
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.terminate();
    if (!process_.waitForFinished(5000)) {
        process_.kill();
        process_.waitForFinished(5000);
    }
}

bool IrcServerProcess::Running() const
{
    return process_.state() == QProcess::Running;
}

quint16 IrcServerProcess::Port() const
{
    return port_;
}

QString IrcServerProcess::Url(const QString& channel) const
{
    const QString name = channel.startsWith(u'#') ? channel : u'#' + channel;
    return u"irc://127.0.0.1:%1/%2"_s.arg(port_).arg(name);
}

QString IrcServerProcess::Log() const
{
    return ReadFile(FilePath(u"server.out"_s)) + ReadFile(FilePath(u"server.log"_s));
}
