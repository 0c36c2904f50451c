#include "NgircdServer.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

using namespace Qt::StringLiterals;

namespace {

const QString Program = u"/usr/sbin/ngircd"_s;

quint16 FreePort()
{
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost, 0))
        return 0;
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}

} // namespace

NgircdServer::NgircdServer(FloodControl flood) : port_(FreePort())
{
    WriteConfig(flood);
    process_.setProgram(Program);
    process_.setArguments(
        {u"-n"_s, u"-p"_s, u"-f"_s, QDir(folder_.path()).filePath(u"ngircd.conf"_s)});
    process_.setWorkingDirectory(folder_.path());
    // Into a file, not a pipe: a pipe nobody reads during a long test would stall the server.
    process_.setStandardOutputFile(QDir(folder_.path()).filePath(u"ngircd.log"_s),
                                   QIODevice::Append);
    process_.setProcessChannelMode(QProcess::MergedChannels);
}

NgircdServer::~NgircdServer()
{
    Stop();
}

bool NgircdServer::Installed()
{
    return QFileInfo(Program).isExecutable();
}

QString NgircdServer::MissingMessage()
{
    return Program + u" is missing: install the Debian package ngircd (scripts/setup.sh does)"_s;
}

void NgircdServer::WriteConfig(FloodControl flood) const
{
    // Everything a client could wait on is off: no PAM, no DNS or ident look-ups, no limit on
    // connections from one address (every client of a test comes from 127.0.0.1).
    const QString config = uR"([Global]
Name = quillo.test
Info = Quillo test server
Listen = 127.0.0.1
Ports = %1
MotdPhrase = Quillo test server
[Limits]
MaxConnectionsIP = 0
MaxJoins = 0
MaxNickLength = 30
MaxPenaltyTime = %2
PingTimeout = 120
PongTimeout = 20
[Options]
PAM = no
DNS = no
Ident = no
)"_s.arg(port_)
                               .arg(flood == FloodControl::Off ? 0 : -1);
    QFile file(QDir(folder_.path()).filePath(u"ngircd.conf"_s));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(config.toUtf8());
}

bool NgircdServer::Start(int timeoutMs)
{
    if (port_ == 0 || !folder_.isValid())
        return false;
    if (Running())
        return true;
    process_.start();
    if (!process_.waitForStarted(timeoutMs))
        return false;
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        if (process_.state() != QProcess::Running)
            return false;
        if (PortAccepts())
            return true;
        QThread::msleep(20);
    }
    return false;
}

bool NgircdServer::PortAccepts() const
{
    QTcpSocket probe;
    probe.connectToHost(QHostAddress::LocalHost, port_);
    const bool accepted = probe.waitForConnected(200);
    probe.abort();
    return accepted;
}

void NgircdServer::Stop()
{
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.terminate();
    if (!process_.waitForFinished(5000)) {
        process_.kill();
        process_.waitForFinished(5000);
    }
}

bool NgircdServer::Running() const
{
    return process_.state() == QProcess::Running;
}

quint16 NgircdServer::Port() const
{
    return port_;
}

QString NgircdServer::Url(const QString& channel) const
{
    const QString name = channel.startsWith(u'#') ? channel : u'#' + channel;
    return u"irc://127.0.0.1:%1/%2"_s.arg(port_).arg(name);
}

QString NgircdServer::Log() const
{
    QFile file(QDir(folder_.path()).filePath(u"ngircd.log"_s));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}
