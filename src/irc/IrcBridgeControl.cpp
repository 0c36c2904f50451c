#include "irc/IrcBridgeControl.h"

#include "irc/IrcLauncher.h"
#include "socket/SocketFolder.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

using namespace Qt::StringLiterals;

QString BridgeCardPath(const QString& socketPath)
{
    return socketPath + u".card"_s;
}

bool WriteBridgeCard(const IrcBridgeEntry& bridge)
{
    QFile card(BridgeCardPath(bridge.SocketPath));
    if (!card.open(QIODevice::WriteOnly | QIODevice::Truncate,
                   QFile::ReadOwner | QFile::WriteOwner))
        return false;
    const QString text = bridge.Server + u'\n' + bridge.Channel + u'\n' + bridge.Nick + u'\n';
    return card.write(text.toUtf8()) == text.toUtf8().size();
}

void RemoveBridgeCard(const QString& socketPath)
{
    QFile::remove(BridgeCardPath(socketPath));
}

QList<IrcBridgeEntry> RunningBridges(const QString& folder)
{
    QList<IrcBridgeEntry> bridges;
    if (!QFileInfo(folder).isDir() || !CheckSocketFolder(folder).isEmpty())
        return bridges;
    const QDir dir(folder);
    for (const QString& name : dir.entryList({u"*.card"_s}, QDir::Files, QDir::Name)) {
        IrcBridgeEntry bridge;
        bridge.SocketPath = dir.filePath(name.chopped(5));
        bridge.ProcessId = IrcLauncher::RunningProcessId(bridge.SocketPath);
        QFile card(dir.filePath(name));
        if (bridge.ProcessId == 0 || !card.open(QIODevice::ReadOnly))
            continue; // the card of a bridge that was killed outright
        const QStringList lines = QString::fromUtf8(card.read(4096)).split(u'\n');
        if (lines.size() < 3)
            continue;
        bridge.Server = lines[0];
        bridge.Channel = lines[1];
        bridge.Nick = lines[2];
        bridges.append(bridge);
    }
    return bridges;
}

QString BridgeListText(const QList<IrcBridgeEntry>& bridges)
{
    if (bridges.isEmpty())
        return u"no IRC bridge runs\n"_s;
    QString text = u"SERVER\tCHANNEL\tNICK\tPROCESS\tSOCKET\n"_s;
    for (const IrcBridgeEntry& b : bridges)
        text += u"%1\t%2\t%3\t%4\t%5\n"_s.arg(b.Server, b.Channel, b.Nick)
                    .arg(b.ProcessId)
                    .arg(b.SocketPath);
    return text;
}

QString StopBridge(const QString& socketPath, int timeoutMs)
{
    // The process id comes from a file in that folder: one somebody else could write would
    // name any process to end.
    const QString folderError = CheckSocketFolder(QFileInfo(socketPath).absolutePath());
    if (!folderError.isEmpty())
        return folderError;
    const qint64 processId = IrcLauncher::RunningProcessId(socketPath);
    if (processId == 0)
        return u"no IRC bridge runs at %1"_s.arg(socketPath);
    IrcLauncher::Stop(processId);
    const QDeadlineTimer deadline(timeoutMs);
    while (IrcLauncher::Alive(processId)) {
        if (deadline.hasExpired())
            return u"the IRC bridge (process %1) did not end within %2 seconds"_s.arg(processId)
                .arg(timeoutMs / 1000.0);
        QThread::msleep(20);
    }
    return {};
}
