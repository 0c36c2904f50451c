#pragma once

#include "irc/IrcUrl.h"

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <optional>

// The bridge's command line, and its secrets from the environment:
//   quillo-irc [--socket PATH] --nick NICK [--sasl-user NAME] [--insecure] [--idle-exit S]
//              [--send-interval MS] [--burst N] [--reconnect-min MS] [--reconnect-max MS] URL
//   quillo-irc --list | --stop (--socket PATH | --nick NICK URL)
// (IrcCommandLine answers --help, --version and unknown options first.)
// QUILLO_IRC_PASSWORD or QUILLO_IRC_PASSWORD_FILE (its first line) give the server password,
// QUILLO_IRC_SASL_PASSWORD or QUILLO_IRC_SASL_PASSWORD_FILE the SASL one.
struct IrcOptions
{
    static constexpr int DefaultReconnectMinMs = 1000;
    static constexpr int DefaultReconnectMaxMs = 60000;
    // A bridge nobody came back to for an hour is one the host forgot.
    static constexpr int DefaultIdleExitSeconds = 3600;

    enum class Task
    {
        Bridge, // serve a console and talk to the channel
        List,   // print the bridges that run
        Stop    // end the bridge named by --socket, or by URL and nick
    };

    Task Asked = Task::Bridge;
    QString UrlText; // as given: it names the default socket
    IrcUrl Url;
    QString SocketPath; // empty: the default for the URL and nick
    QByteArray Nick;
    bool Insecure = false;
    int SendIntervalMs = 0;
    int Burst = 0;
    int ReconnectMinMs = DefaultReconnectMinMs;
    int ReconnectMaxMs = DefaultReconnectMaxMs;
    int IdleExitSeconds = DefaultIdleExitSeconds; // 0: never
    QByteArray Password;
    QByteArray SaslUser;
    QByteArray SaslPassword;
    QStringList Warnings; // for standard error, once: a password file others can read

    // arguments includes the program's name first. Empty with the reason in error.
    static std::optional<IrcOptions> Parse(const QStringList& arguments,
                                           const QProcessEnvironment& environment, QString* error);
    // A line for each password file named in the environment that other users can read.
    static QStringList PasswordFileWarnings(const QProcessEnvironment& environment);
    // The options with a value that a console passes on to a bridge it starts ("sasl-user",
    // the pacing, the reconnect times and the idle time), without their leading "--";
    // "insecure" has none.
    static QStringList PassedOnValueOptions();
};
