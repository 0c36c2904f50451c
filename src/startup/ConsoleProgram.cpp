#include "startup/ConsoleProgram.h"

#include "chat/ChatClient.h"
#include "irc/ConsoleCommandLine.h"
#include "irc/IrcBridgePath.h"
#include "irc/IrcLaunchArguments.h"
#include "irc/IrcLauncher.h"
#include "irc/IrcOptions.h"
#include "irc/UnreachableClient.h"
#include "room/PracticeRoom.h"
#include "services/ProgramFolder.h"
#include "services/SystemClock.h"
#include "socket/ChatClientChoice.h"
#include "socket/SocketFolder.h"
#include "startup/SocketClientLoader.h"
#include "ui/AppIcon.h"
#include "ui/ConsoleSession.h"
#include "ui/DisplayCheck.h"
#include "ui/FirstExposure.h"
#include "ui/MainWindow.h"
#include "ui/PracticeRoomWindow.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcessEnvironment>

#include <cstdio>
#include <memory>

namespace {

// Where the socket client module lies: beside the program in a build or a portable copy, in
// the package's library folder once installed.
QStringList ModuleFolders()
{
    const QDir programDir(QCoreApplication::applicationDirPath());
    return {programDir.path(), programDir.filePath(QStringLiteral(QUILLO_MODULE_DIR))};
}

// The socket of the client named on the command line or in QUILLO_CHAT_CLIENT, or the IRC
// bridge's for "--irc URL --nick NICK", found or started; empty for the practice room. False
// when the program is to end with `exitCode`.
bool ChooseSocket(const IrcLaunchArguments& irc, QString& socket, int& exitCode)
{
    socket =
        ChatClientSocket(QCoreApplication::arguments(), qEnvironmentVariable("QUILLO_CHAT_CLIENT"));
    if (!irc.Error.isEmpty()) {
        std::fprintf(stderr, "quillo: %s\n", qPrintable(irc.Error));
        exitCode = 2;
        return false;
    }
    if (irc.Requested) {
        socket = IrcBridgeSocketPath(irc.Url, irc.Nick);
        IrcLauncher launcher(QDir(QCoreApplication::applicationDirPath()).filePath("quillo-irc"),
                             QCoreApplication::applicationDirPath());
        if (!launcher.Ensure(irc.Url, irc.Nick, irc.BridgeOptions, socket)) {
            std::fprintf(stderr, "quillo: %s\n", qPrintable(launcher.ErrorText()));
            exitCode = 1;
            return false;
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
            exitCode = 1;
            return false;
        }
    }
    return true;
}

} // namespace

int RunConsole(int argc, char** argv, const std::function<void(QWidget&)>& shown)
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

    const IrcLaunchArguments irc = ReadIrcLaunchArguments(QCoreApplication::arguments());
    QString socket;
    int exitCode = 0;
    if (!ChooseSocket(irc, socket, exitCode))
        return exitCode;
    std::unique_ptr<PracticeRoom> room;
    std::unique_ptr<ChatClient> client;
    if (socket.isEmpty()) {
        room = std::make_unique<PracticeRoom>();
    } else {
        SocketClientLoader loader(ModuleFolders());
        client = loader.Open(socket);
        if (!client) {
            std::fprintf(stderr, "quillo: %s\n", qPrintable(loader.ErrorText()));
            return 1;
        }
    }

    SystemClock clock;
    ConsoleSession session(room ? *room : *client, clock,
                           ProgramFolder(QCoreApplication::applicationDirPath()),
                           QCoreApplication::applicationName());
    if (!socket.isEmpty())
        session.SetChatFailureNote(UnreachableClientNote(socket, irc));
    if (session.Start() != ConsoleSession::Outcome::Running)
        return 1;
    session.HandleStopSignals();
    QObject::connect(&session, &ConsoleSession::ended, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    // The icon (drawn for a window system that shows one) and the practice room's window wait
    // for the console to be on the screen; the room then opens beside it.
    std::unique_ptr<PracticeRoomWindow> roomWindow;
    FirstExposure::Then(*session.Window(), [&] {
        QApplication::setWindowIcon(QuilloIcon());
        if (room) {
            roomWindow = std::make_unique<PracticeRoomWindow>(*room);
            roomWindow->ShowBeside(*session.Window());
        }
    });
    if (shown)
        shown(*session.Window());
    return QApplication::exec();
}
