// The console's start-up as the program makes it on the practice room: the same libraries,
// the console's window and the room's beside it, from exec to both exposed.
#include "ExposedExit.h"
#include "irc/IrcLaunchArguments.h"
#include "room/PracticeRoom.h"
#include "services/ProgramFolder.h"
#include "services/SystemClock.h"
#include "socket/ChatClientChoice.h"
#include "socket/SocketChatClient.h"
#include "ui/AppIcon.h"
#include "ui/ConsoleSession.h"
#include "ui/MainWindow.h"
#include "ui/PracticeRoomWindow.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setWindowIcon(QuilloIcon());
    // The program's own choice of client, so the same libraries load here (QtNetwork too);
    // the benchmark names no socket, so the practice room is the client.
    const QString socket =
        ChatClientSocket(QCoreApplication::arguments(), qEnvironmentVariable("QUILLO_CHAT_CLIENT"));
    if (!socket.isEmpty() || ReadIrcLaunchArguments(QCoreApplication::arguments()).Requested) {
        SocketChatClient remote(socket);
        return remote.InitDDE("quillo", {}) == 0 ? 2 : 3; // not what is measured
    }
    PracticeRoom room;
    SystemClock clock;
    ConsoleSession session(room, clock, ProgramFolder(QCoreApplication::applicationDirPath()),
                           QStringLiteral("quillo"));
    if (session.Start() != ConsoleSession::Outcome::Running)
        return 1;
    PracticeRoomWindow roomWindow(room);
    roomWindow.ShowBeside(*session.Window());
    ExitWhenExposed({session.Window()}); // the first window; the room follows it
    return QApplication::exec();
}
