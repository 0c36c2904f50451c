#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A real IRC server for one test: ngircd in the foreground on 127.0.0.1, on a port of its own,
// with its configuration, log and everything else in a fresh folder. Stop() and Start() again
// keep the port, so a test can take the server away under a client and bring it back.
//
//   if (!NgircdServer::Installed())
//       GTEST_SKIP() << NgircdServer::MissingMessage();
//   NgircdServer server;
//   ASSERT_TRUE(server.Start()) << server.Log().toStdString();
class NgircdServer
{
public:
    // Penalties are ngircd's own flood control; off by default so that only the bridge's
    // pacing decides how fast lines go out. A test of that pacing can turn them on.
    enum class FloodControl
    {
        Off,
        On
    };

    explicit NgircdServer(FloodControl flood = FloodControl::Off);
    ~NgircdServer();
    NgircdServer(const NgircdServer&) = delete;
    NgircdServer& operator=(const NgircdServer&) = delete;

    static bool Installed();
    static QString MissingMessage();

    // Starts the server and waits (bounded) until its port takes connections.
    bool Start(int timeoutMs = 10000);
    // Ends the server (SIGTERM, then a kill after a bound) and waits until it is gone.
    void Stop();
    bool Running() const;

    quint16 Port() const;
    // "irc://127.0.0.1:PORT/#channel"; a channel given without its "#" gets one.
    QString Url(const QString& channel) const;
    // What the server wrote on its standard output and error, for a failing test's message.
    QString Log() const;

private:
    void WriteConfig(FloodControl flood) const;
    bool PortAccepts() const;

    QTemporaryDir folder_;
    QProcess process_;
    quint16 port_ = 0;
};
