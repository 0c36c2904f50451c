#pragma once

#include <QString>
#include <QStringList>

// Finds the bridge for a server, channel and nick, or starts one: the bridge outlives the
// console, so a console started again (after a crash, say) finds the channel and its chat text
// where it left them.
class IrcLauncher
{
public:
    // bridgeProgram: the quillo-irc to start; it runs from workingFolder.
    IrcLauncher(QString bridgeProgram, QString workingFolder, int startTimeoutMs = 10000);

    // True once a bridge listens at socketPath: one that already did, or one started now as
    // `bridgeProgram --socket socketPath --nick NICK [options] URL`, detached from the console.
    bool Ensure(const QString& url, const QString& nick, const QStringList& bridgeOptions,
                const QString& socketPath);

    // Whether the last Ensure started a bridge, and its process id then (0 otherwise).
    bool StartedBridge() const;
    qint64 BridgeProcessId() const;
    // Why the last Ensure failed, for the host.
    QString ErrorText() const;
    // What the last successful Ensure found or started, for the host: the bridge's process
    // and its log, so that it can be found and ended later.
    QString ReportText(const QString& socketPath) const;

    // Whether a running bridge listens at this socket path now. Told by the lock it holds
    // beside the socket, not by a trial connection: the bridge serves one console at a time,
    // and would take a trial connection for one and turn the real console away.
    static bool Listening(const QString& socketPath);
    // The process of the bridge that listens at this socket path, from its lock; 0 for none.
    static qint64 RunningProcessId(const QString& socketPath);
    // Where a bridge started here writes what it prints: beside its socket.
    static QString LogPath(const QString& socketPath);
    // Whether the process with this id still runs (an ended one that nobody reaped does not).
    static bool Alive(qint64 processId);
    // Ends a bridge that was started but never listened.
    static void Stop(qint64 processId);

private:
    QString program_;
    QString workingFolder_;
    int startTimeoutMs_;
    qint64 processId_ = 0;
    QString error_;
};
