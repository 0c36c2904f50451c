#include "chat/PracticeRoom.h"
#include "game/SystemClock.h"
#include "records/ProgramFolder.h"
#include "ui/AppIcon.h"
#include "ui/ConsoleSession.h"
#include "ui/DisplayCheck.h"
#include "ui/MainWindow.h"
#include "ui/PracticeRoomWindow.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    const QString advice = MissingDisplayAdvice(QString::fromLocal8Bit(argv[0]));
    if (!advice.isEmpty()) {
        std::fputs(advice.toLocal8Bit().constData(), stderr);
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setWindowIcon(QuilloIcon());

    // Until a real chat client is connected, the console plays in the practice room.
    PracticeRoom room;
    SystemClock clock;
    ConsoleSession session(room, clock, ProgramFolder(QCoreApplication::applicationDirPath()),
                           QCoreApplication::applicationName());
    if (session.Start() != ConsoleSession::Outcome::Running)
        return 1;
    session.HandleStopSignals();
    QObject::connect(&session, &ConsoleSession::ended, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);

    PracticeRoomWindow roomWindow(room);
    roomWindow.placeBeside(*session.Window());
    roomWindow.show();
    return QApplication::exec();
}
