#pragma once

#include "irc/IrcUrl.h"

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <optional>

// The bridge's command line, and its secrets from the environment:
//   quillo-irc [--socket PATH] --nick NICK [--sasl-user NAME] [--insecure]
//              [--send-interval MS] [--burst N] [--reconnect-min MS] [--reconnect-max MS] URL
// QUILLO_IRC_PASSWORD or QUILLO_IRC_PASSWORD_FILE (its first line) give the server password,
// QUILLO_IRC_SASL_PASSWORD or QUILLO_IRC_SASL_PASSWORD_FILE the SASL one.
struct IrcOptions
{
    static constexpr int DefaultReconnectMinMs = 1000;
    static constexpr int DefaultReconnectMaxMs = 60000;

    QString UrlText; // as given: it names the default socket
    IrcUrl Url;
    QString SocketPath; // empty: the default for the URL and nick
    QByteArray Nick;
    bool Insecure = false;
    int SendIntervalMs = 0;
    int Burst = 0;
    int ReconnectMinMs = DefaultReconnectMinMs;
    int ReconnectMaxMs = DefaultReconnectMaxMs;
    QByteArray Password;
    QByteArray SaslUser;
    QByteArray SaslPassword;

    // arguments includes the program's name first. Empty with the reason in error.
    static std::optional<IrcOptions> Parse(const QStringList& arguments,
                                           const QProcessEnvironment& environment, QString* error);
    static QString Usage();
    // The options with a value that a console passes on to a bridge it starts ("sasl-user",
    // the pacing and the reconnect times), without their leading "--"; "insecure" has none.
    static QStringList PassedOnValueOptions();
};
