#pragma once

#include <QList>
#include <QString>

// The bridges of this user that run, as `quillo-irc --list` shows them and `--stop` ends them.
// A bridge leaves a card beside its socket while it runs (mode 0600, removed when it ends);
// its process id comes from the lock it holds there.
struct IrcBridgeEntry
{
    QString Server; // irc://HOST:PORT or ircs://HOST:PORT
    QString Channel;
    QString Nick; // the nick asked for
    qint64 ProcessId = 0;
    QString SocketPath;
};

// The card's file beside the socket.
QString BridgeCardPath(const QString& socketPath);
bool WriteBridgeCard(const IrcBridgeEntry& bridge);
void RemoveBridgeCard(const QString& socketPath);

// The bridges that hold a socket with a card in this folder now, in the order of their sockets.
// Nothing from a folder that fails the socket-folder rule: its cards could be anybody's.
QList<IrcBridgeEntry> RunningBridges(const QString& folder);
// One bridge a line, under a heading; a line that says so when there is none.
QString BridgeListText(const QList<IrcBridgeEntry>& bridges);

// Ends the bridge that listens at socketPath the way a host's logout does (SIGTERM: it leaves
// the server with QUIT) and waits up to timeoutMs for it to end. Empty once it ended, else why
// not, for the host.
QString StopBridge(const QString& socketPath, int timeoutMs);
