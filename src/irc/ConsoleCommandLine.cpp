#include "irc/ConsoleCommandLine.h"

#include "irc/IrcOptions.h"
#include "text/FixedLines.h"

CommandLine ConsoleCommandLine()
{
    CommandLine line(
        QStringLiteral("quillo"), VersionText(),
        {QStringLiteral("[--chat-client SOCKET]"),
         QStringLiteral("--irc URL --nick NICK [BRIDGE OPTION]...")},
        QStringLiteral("Host Quillo, the higher/lower card game with wagers, in a chat: in the "
                       "practice room,\nat a chat client's socket, or in an IRC channel."));
    line.Add({{QStringLiteral("chat-client")},
              QStringLiteral("SOCKET"),
              QStringLiteral("talk to the chat client listening at SOCKET")});
    line.Add({{QStringLiteral("irc")},
              QStringLiteral("URL"),
              QStringLiteral("host in the channel irc[s]://HOST[:PORT]/#channel")});
    line.Add({{QStringLiteral("nick")}, QStringLiteral("NICK"), QStringLiteral("the host's nick")});
    // The bridge's own options pass through to the bridge --irc starts.
    line.Add({{QStringLiteral("insecure")}, {}, QStringLiteral("passed on to quillo-irc")});
    for (const QString& name : IrcOptions::PassedOnValueOptions())
        line.Add({{name}, QStringLiteral("VALUE"), QStringLiteral("passed on to quillo-irc")});
    line.AddToolkitOptions();
    line.SetEpilogue(QStringLiteral(
        "Without a chat client the console plays in its practice room. QUILLO_CHAT_CLIENT\n"
        "names the socket when --chat-client is not given; QUILLO_HOME names the folder for\n"
        "the settings and records. See quillo(6).\n"));
    return line;
}
