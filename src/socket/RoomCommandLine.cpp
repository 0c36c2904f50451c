#include "socket/RoomCommandLine.h"

#include "text/FixedLines.h"

CommandLine RoomCommandLine()
{
    CommandLine line(QStringLiteral("quillo-room"), VersionText(),
                     {QStringLiteral("[--headless] [--socket PATH]")},
                     QStringLiteral("A practice chat room that Quillo Console reaches over a "
                                    "local socket, as it\nwould reach a real chat client."));
    line.Add({{QStringLiteral("socket")},
              QStringLiteral("PATH"),
              QStringLiteral("listen at PATH (default $XDG_RUNTIME_DIR/quillo/room.sock)")});
    line.Add({{QStringLiteral("headless")}, {}, QStringLiteral("run without the window")});
    line.AddToolkitOptions();
    line.SetEpilogue(
        QStringLiteral("Start the console on the socket it prints: quillo --chat-client SOCKET.\n"
                       "See quillo-room(6).\n"));
    return line;
}
