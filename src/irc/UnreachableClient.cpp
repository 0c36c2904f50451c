#include "irc/UnreachableClient.h"

#include "irc/IrcLauncher.h"

QString UnreachableClientNote(const QString& socket, const IrcLaunchArguments& irc)
{
    if (irc.Requested) {
        // The launcher saw the bridge listening, so it is there but turned the console away.
        return QStringLiteral("quillo: the IRC bridge for ") + irc.Url + QStringLiteral(" as ") +
               irc.Nick + QStringLiteral(" at ") + socket +
               QStringLiteral(" did not take the console; another console may be using it.\n"
                              "Its log is ") +
               IrcLauncher::LogPath(socket) +
               QStringLiteral(". End that console, or the bridge, and start quillo --irc "
                              "again.\n");
    }
    return QStringLiteral("quillo: no chat client answers at ") + socket +
           QStringLiteral(".\nStart the chat client first, e.g. the practice room:\n"
                          "    quillo-room --socket ") +
           socket +
           QStringLiteral("\nor start quillo without --chat-client (and without "
                          "QUILLO_CHAT_CLIENT) to play in\nthe practice room inside the "
                          "console.\n");
}
