#include "chat/ChatClientChoice.h"
#include "chat/PracticeRoom.h"
#include "chat/SocketChatClient.h"
#include "game/SystemClock.h"
#include "records/ProgramFolder.h"
#include "ui/AppIcon.h"
#include "ui/ConsoleSession.h"
#include "ui/DisplayCheck.h"
#include "ui/MainWindow.h"
#include "ui/PracticeRoomWindow.h"

#include <QApplication>

#include <cstdio>
#include <memory>

int main(int argc, char** argv)
{
    const QString advice = MissingDisplayAdvice(QString::fromLocal8Bit(argv[0]));
    if (!advice.isEmpty()) {
        std::fputs(advice.toLocal8Bit().constData(), stderr);
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setWindowIcon(QuilloIcon());

    // A chat client named on the command line (or in QUILLO_CHAT_CLIENT) is another program
    // reached over its socket; without one the console plays in the practice room.
    const QString socket =
        ChatClientSocket(QCoreApplication::arguments(), qEnvironmentVariable("QUILLO_CHAT_CLIENT"));
    std::unique_ptr<PracticeRoom> room;
    std::unique_ptr<SocketChatClient> remote;
    ChatClient* client = nullptr;
    if (socket.isEmpty()) {
        room = std::make_unique<PracticeRoom>();
        client = room.get();
    } else {
        remote = std::make_unique<SocketChatClient>(socket);
        client = remote.get();
    }

    SystemClock clock;
    ConsoleSession session(*client, clock, ProgramFolder(QCoreApplication::applicationDirPath()),
                           QCoreApplication::applicationName());
    if (session.Start() != ConsoleSession::Outcome::Running)
        return 1;
    session.HandleStopSignals();
    QObject::connect(&session, &ConsoleSession::ended, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);

    std::unique_ptr<PracticeRoomWindow> roomWindow;
    if (room) {
        roomWindow = std::make_unique<PracticeRoomWindow>(*room);
        roomWindow->showBeside(*session.Window());
    }
    return QApplication::exec();
}
