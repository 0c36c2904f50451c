#include "irc/IrcCommandLine.h"

#include "irc/IrcOptions.h"
#include "text/FixedLines.h"

namespace {

CommandLine::Option Valued(const char* name, const char* value, const QString& help)
{
    return {{QString::fromLatin1(name)}, QString::fromLatin1(value), help};
}

} // namespace

CommandLine IrcCommandLine()
{
    const QString url = QStringLiteral("irc[s]://HOST[:PORT]/#channel");
    CommandLine line(QStringLiteral("quillo-irc"), VersionText(),
                     {QStringLiteral("[OPTION]... --nick NICK ") + url, QStringLiteral("--list"),
                      QStringLiteral("--stop (--socket PATH | --nick NICK ") + url + u')'},
                     QStringLiteral("Serves Quillo Console over a local socket and talks to one "
                                    "IRC channel."));
    line.Add(Valued("socket", "PATH",
                    QStringLiteral("the socket (default: one for the server, channel and nick, in "
                                   "$XDG_RUNTIME_DIR/quillo/, else in /tmp/quillo-UID/)")));
    line.Add(Valued("nick", "NICK", QStringLiteral("the host's nick in the channel")));
    line.Add(
        Valued("sasl-user", "NAME", QStringLiteral("the SASL account, when it is not the nick")));
    line.Add({{QStringLiteral("insecure")},
              {},
              QStringLiteral("do not check the server's TLS certificate")});
    line.Add(Valued("idle-exit", "SECONDS",
                    QStringLiteral("end after this long with no console (%1; 0: never)")
                        .arg(IrcOptions::DefaultIdleExitSeconds)));
    line.Add(Valued("send-interval", "MS",
                    QStringLiteral("at most one line each MS once a burst of N is spent")));
    line.Add(Valued("burst", "N", QStringLiteral("(no cap on the pace by default)")));
    line.Add(Valued("reconnect-min", "MS",
                    QStringLiteral("the first wait before trying a lost server again (%1)")
                        .arg(IrcOptions::DefaultReconnectMinMs)));
    line.Add(Valued(
        "reconnect-max", "MS",
        QStringLiteral("the longest such wait (%1)").arg(IrcOptions::DefaultReconnectMaxMs)));
    line.Add({{QStringLiteral("list")},
              {},
              QStringLiteral("show the bridges that run: server, channel, nick, process, socket")});
    line.Add({{QStringLiteral("stop")},
              {},
              QStringLiteral("end the bridge named by --socket, or by --nick and the URL as it "
                             "was started; it leaves the server with QUIT")});
    line.AcceptArguments(); // the channel's URL
    line.SetEpilogue(QStringLiteral(
        "Passwords come from QUILLO_IRC_PASSWORD or QUILLO_IRC_PASSWORD_FILE (server) and\n"
        "QUILLO_IRC_SASL_PASSWORD or QUILLO_IRC_SASL_PASSWORD_FILE (SASL); keep such a file\n"
        "yours alone (chmod 600). See quillo-irc(6).\n"));
    return line;
}
