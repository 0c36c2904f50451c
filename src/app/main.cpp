#include "irc/IrcBridgePath.h"
#include "irc/IrcLaunchArguments.h"
#include "irc/IrcLauncher.h"
#include "irc/IrcOptions.h"
#include "irc/UnreachableClient.h"
#include "room/PracticeRoom.h"
#include "irc/ConsoleCommandLine.h"
#include "services/ProgramFolder.h"
#include "services/SystemClock.h"
#include "socket/ChatClientChoice.h"
#include "socket/SocketChatClient.h"
#include "socket/SocketFolder.h"
#include "ui/AppIcon.h"
#include "ui/ConsoleSession.h"
#include "ui/DisplayCheck.h"
#include "ui/MainWindow.h"
#include "ui/PracticeRoomWindow.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcessEnvironment>

#include <cstdio>
#include <memory>

int main(int argc, char** argv)
{
    const CommandLine::Verdict options = ConsoleCommandLine().Check(ArgumentList(argc, argv));
    if (!options.Run)
        return PrintVerdict(options);
    UseOwnRuntimeFolder(); // before Qt looks for one; a folder refused here is refused at use
    const QString advice = MissingDisplayAdvice(QString::fromLocal8Bit(argv[0]));
    if (!advice.isEmpty()) {
        std::fputs(advice.toLocal8Bit().constData(), stderr);
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setWindowIcon(QuilloIcon());

    // A chat client named on the command line (or in QUILLO_CHAT_CLIENT) is another program
    // reached over its socket; without one the console plays in the practice room. "--irc URL
    // --nick NICK" names an IRC channel: its bridge is found, or started, and used the same way.
    QString socket =
        ChatClientSocket(QCoreApplication::arguments(), qEnvironmentVariable("QUILLO_CHAT_CLIENT"));
    const IrcLaunchArguments irc = ReadIrcLaunchArguments(QCoreApplication::arguments());
    if (!irc.Error.isEmpty()) {
        std::fprintf(stderr, "quillo: %s\n", qPrintable(irc.Error));
        return 2;
    }
    if (irc.Requested) {
        socket = IrcBridgeSocketPath(irc.Url, irc.Nick);
        IrcLauncher launcher(QDir(QCoreApplication::applicationDirPath()).filePath("quillo-irc"),
                             QCoreApplication::applicationDirPath());
        if (!launcher.Ensure(irc.Url, irc.Nick, irc.BridgeOptions, socket)) {
            std::fprintf(stderr, "quillo: %s\n", qPrintable(launcher.ErrorText()));
            return 1;
        }
        std::fprintf(stderr, "quillo: %s\n", qPrintable(launcher.ReportText(socket)));
        for (const QString& warning :
             IrcOptions::PasswordFileWarnings(QProcessEnvironment::systemEnvironment()))
            std::fprintf(stderr, "quillo: %s\n", qPrintable(warning));
    } else if (!socket.isEmpty()) {
        // A socket in a folder somebody else can write in could be his, not the client's.
        const QString folderError = CheckSocketFolder(QFileInfo(socket).absolutePath());
        if (!folderError.isEmpty()) {
            std::fprintf(stderr, "quillo: %s\n", qPrintable(folderError));
            return 1;
        }
    }
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
    if (!socket.isEmpty())
        session.SetChatFailureNote(UnreachableClientNote(socket, irc));
    if (session.Start() != ConsoleSession::Outcome::Running)
        return 1;
    session.HandleStopSignals();
    QObject::connect(&session, &ConsoleSession::ended, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);

    std::unique_ptr<PracticeRoomWindow> roomWindow;
    if (room) {
        roomWindow = std::make_unique<PracticeRoomWindow>(*room);
        roomWindow->ShowBeside(*session.Window());
    }
    return QApplication::exec();
}
