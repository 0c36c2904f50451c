#include "room/PracticeRoom.h"
#include "socket/RoomCommandLine.h"
#include "socket/ChatClientChoice.h"
#include "socket/ChatClientServer.h"
#include "socket/SocketFolder.h"
#include "ui/AppIcon.h"
#include "ui/DisplayCheck.h"
#include "ui/PracticeRoomWindow.h"

#include <QApplication>
#include <QCoreApplication>

#include <cstdio>
#include <memory>

// The practice room as a program of its own: a chat client that a console reaches over a
// local socket, as it would reach a real one. "--headless" runs it without its window.
int main(int argc, char** argv)
{
    const CommandLine::Verdict options = RoomCommandLine().Check(ArgumentList(argc, argv));
    if (!options.Run)
        return PrintVerdict(options);
    UseOwnRuntimeFolder(); // before Qt looks for one; a folder refused here is refused at use
    bool headless = false;
    for (int i = 1; i < argc; ++i)
        headless = headless || QByteArrayView(argv[i]) == "--headless";
    if (!headless) {
        const QString advice = MissingDisplayAdvice(QString::fromLocal8Bit(argv[0]));
        if (!advice.isEmpty()) {
            std::fputs(advice.toLocal8Bit().constData(), stderr);
            std::fputs("Or run the room without its window: quillo-room --headless\n", stderr);
            return 2;
        }
    }
    std::unique_ptr<QCoreApplication> app;
    if (headless)
        app = std::make_unique<QCoreApplication>(argc, argv);
    else
        app = std::make_unique<QApplication>(argc, argv);

    PracticeRoom room;
    ChatClientServer server(room);
    QString path = RoomSocketArgument(QCoreApplication::arguments());
    if (path.isEmpty())
        path = ChatClientServer::DefaultSocketPath();
    if (!server.Listen(path)) {
        std::fprintf(stderr, "quillo-room: cannot listen at %s: %s\n", qPrintable(path),
                     qPrintable(server.ErrorText()));
        return 1;
    }
    std::printf("quillo-room listening at %s\n", qPrintable(server.SocketPath()));
    std::fflush(stdout);

    std::unique_ptr<PracticeRoomWindow> window;
    if (!headless) {
        QApplication::setWindowIcon(QuilloIcon());
        window = std::make_unique<PracticeRoomWindow>(room);
        window->show();
    }
    return QCoreApplication::exec();
}
