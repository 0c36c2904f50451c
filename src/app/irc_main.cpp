#include "irc/IrcBridgePath.h"
#include "irc/IrcChatClient.h"
#include "irc/IrcConnection.h"
#include "irc/IrcOptions.h"
#include "services/ShutdownSignals.h"
#include "socket/ChatClientServer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QProcessEnvironment>

#include <csignal>
#include <cstdio>
#include <utility>

// The IRC bridge: a chat client the console reaches over a local socket, as it reaches the
// practice room, that talks to an IRC channel. It outlives the console, so a console started
// again finds the channel and its chat text.
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
#if defined(Q_OS_UNIX)
    std::signal(SIGPIPE, SIG_IGN); // a console that vanished mid-write is noticed, not fatal
#endif
    QString error;
    const auto options = IrcOptions::Parse(QCoreApplication::arguments(),
                                           QProcessEnvironment::systemEnvironment(), &error);
    if (!options) {
        std::fprintf(stderr, "quillo-irc: %s\n%s", qPrintable(error),
                     qPrintable(IrcOptions::Usage()));
        return 2;
    }

    IrcConnection connection(*options);
    IrcChatClient client(connection);
    ChatClientServer server(client);
    const QString path =
        options->SocketPath.isEmpty()
            ? IrcBridgeSocketPath(options->UrlText, QString::fromUtf8(options->Nick))
            : options->SocketPath;
    // A lock beside the socket, not a trial connection: one would be taken for a console by
    // the bridge that holds the socket, and keep the real console out for a moment.
    QLockFile lock(path + QStringLiteral(".lock"));
    lock.setStaleLockTime(0); // stale only when its process is gone
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!lock.tryLock(0)) {
        std::fprintf(stderr, "quillo-irc: a bridge already listens at %s\n", qPrintable(path));
        return 1;
    }
    if (!server.Listen(path)) {
        std::fprintf(stderr, "quillo-irc: cannot listen at %s: %s\n", qPrintable(path),
                     qPrintable(server.ErrorText()));
        return 1;
    }
    std::printf("quillo-irc listening at %s\n", qPrintable(server.SocketPath()));
    std::fflush(stdout);

    bool ending = false;
    // The bridge says QUIT before it ends.
    ShutdownSignals signals;
    QObject::connect(&signals, &ShutdownSignals::requested, &app, [&](int) {
        if (std::exchange(ending, true))
            return;
        connection.Quit("Quillo Console closed", [] { QCoreApplication::exit(0); });
    });
    connection.Start();
    return QCoreApplication::exec();
}
