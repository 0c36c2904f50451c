#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// The bridge program run as a host runs it, on a socket in a fresh folder of the test's own:
// `quillo-irc --socket PATH ARGUMENTS...`. Start() waits (bounded) for the one line it prints
// once it listens; Stop() ends it the way a host's session does, with SIGTERM.
class IrcBridgeProcess
{
public:
    explicit IrcBridgeProcess(
        const QStringList& arguments,
        const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());
    ~IrcBridgeProcess();
    IrcBridgeProcess(const IrcBridgeProcess&) = delete;
    IrcBridgeProcess& operator=(const IrcBridgeProcess&) = delete;

    static QString Program();
    // The host's nick and the channel's URL, with reconnect delays short enough for a test.
    static QStringList FastArguments(const QByteArray& nick, const QString& url);

    // True once the bridge printed "quillo-irc listening at PATH" for its socket.
    bool Start(int timeoutMs = 10000);
    // SIGTERM, then a kill if it has not ended within timeoutMs. The exit code, or -1 when it
    // crashed, was killed or never ran.
    int Stop(int timeoutMs = 5000);
    // Waits for the program to end by itself (a bad command line); its exit code, or -1.
    int WaitForExit(int timeoutMs = 10000);
    bool Running() const;

    QString SocketPath() const;
    // What it printed on its standard output so far (the listening line among it).
    QString Output();
    // What it logged on its standard error so far.
    QString Log() const;

private:
    int ExitCodeOf();
    void ReadOutput();

    QTemporaryDir folder_;
    QProcess process_;
    QString socketPath_;
    QByteArray output_;
    bool started_ = false;
};
