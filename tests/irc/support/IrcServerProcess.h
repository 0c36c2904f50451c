#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A real IRC server for one test, in the foreground on 127.0.0.1 on a port of its own, with its
// configuration, log and everything else in a fresh folder. Stop() and Start() again keep the
// port, so a test can take the server away under a client and bring it back. Each server
// program writes its own configuration.
//
//   InspircdServer server;
//   ASSERT_TRUE(server.Start()) << server.Log().toStdString();
class IrcServerProcess
{
public:
    virtual ~IrcServerProcess();
    IrcServerProcess(const IrcServerProcess&) = delete;
    IrcServerProcess& operator=(const IrcServerProcess&) = delete;

    // Starts the server and waits (bounded) until its port takes connections.
    bool Start(int timeoutMs = 10000);
    // Ends the server (SIGTERM, then a kill after a bound) and waits until it is gone.
    void Stop();
    bool Running() const;

    quint16 Port() const;
    // "irc://127.0.0.1:PORT/#channel"; a channel given without its "#" gets one.
    QString Url(const QString& channel) const;
    // What the server wrote (its output and log files), for a failing test's message.
    QString Log() const;

protected:
    IrcServerProcess();
    // The program to run with its arguments, once the configuration is written.
    void SetCommand(const QString& program, const QStringList& arguments);
    QString Folder() const;
    QString FilePath(const QString& name) const;
    void WriteFile(const QString& name, const QString& text) const;

private:
    bool PortAccepts() const;

    QTemporaryDir folder_;
    QProcess process_;
    quint16 port_ = 0;
};
