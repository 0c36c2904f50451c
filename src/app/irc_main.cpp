#include "irc/IrcBridgeControl.h"
#include "irc/IrcBridgePath.h"
#include "irc/IrcChatClient.h"
#include "irc/IrcCommandLine.h"
#include "irc/IrcConnection.h"
#include "irc/IrcOptions.h"
#include "services/ShutdownSignals.h"
#include "socket/ChatClientServer.h"
#include "socket/SocketFolder.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLockFile>
#include <QProcessEnvironment>
#include <QTimer>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <utility>

namespace {

constexpr int StopTimeoutMs = 10000;

void Say(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

QString DefaultPath(const IrcOptions& options)
{
    return options.SocketPath.isEmpty()
               ? IrcBridgeSocketPath(options.UrlText, QString::fromUtf8(options.Nick))
               : options.SocketPath;
}

int StopNamedBridge(const IrcOptions& options)
{
    const QString path = DefaultPath(options);
    const QString error = StopBridge(path, StopTimeoutMs);
    if (!error.isEmpty()) {
        Say(stderr, QStringLiteral("quillo-irc: ") + error + u'\n');
        return 1;
    }
    Say(stdout, QStringLiteral("quillo-irc: stopped the bridge at ") + path + u'\n');
    return 0;
}

int RunBridge(const IrcOptions& options)
{
    IrcConnection connection(options);
    IrcChatClient client(connection);
    ChatClientServer server(client);
    const QString path = DefaultPath(options);
    const QString folderError = PrepareSocketFolder(QFileInfo(path).absolutePath());
    if (!folderError.isEmpty()) {
        Say(stderr, QStringLiteral("quillo-irc: ") + folderError + u'\n');
        return 1;
    }
    // A lock beside the socket, not a trial connection: one would be taken for a console by
    // the bridge that holds the socket, and keep the real console out for a moment.
    QLockFile lock(path + QStringLiteral(".lock"));
    lock.setStaleLockTime(0); // stale only when its process is gone
    if (!lock.tryLock(0)) {
        std::fprintf(stderr, "quillo-irc: a bridge already listens at %s\n", qPrintable(path));
        return 1;
    }
    if (!server.Listen(path)) {
        std::fprintf(stderr, "quillo-irc: cannot listen at %s: %s\n", qPrintable(path),
                     qPrintable(server.ErrorText()));
        return 1;
    }
    const QString scheme = options.Url.Tls ? QStringLiteral("ircs://") : QStringLiteral("irc://");
    WriteBridgeCard({scheme + options.Url.Host + u':' + QString::number(options.Url.Port),
                     QString::fromUtf8(options.Url.Channel), QString::fromUtf8(options.Nick),
                     QCoreApplication::applicationPid(), path});
    std::printf("quillo-irc listening at %s\n", qPrintable(server.SocketPath()));
    std::fflush(stdout);

    bool ending = false;
    const auto end = [&](const QByteArray& reason) {
        if (std::exchange(ending, true))
            return;
        connection.Quit(reason, [] { QCoreApplication::exit(0); });
    };
    // The bridge says QUIT before it ends.
    ShutdownSignals signals;
    QObject::connect(&signals, &ShutdownSignals::requested, &signals,
                     [&](int) { end("Quillo Console closed"); });
    // A bridge no console came back to for a while is one its host forgot.
    QTimer idle;
    idle.setSingleShot(true);
    constexpr int LongestIdleSeconds = 24 * 24 * 3600; // what a timer can count in ms
    idle.setInterval(std::min(options.IdleExitSeconds, LongestIdleSeconds) * 1000);
    QObject::connect(&idle, &QTimer::timeout, &idle, [&] {
        std::fprintf(stderr, "quillo-irc: no console for %d seconds; leaving\n",
                     options.IdleExitSeconds);
        end("Quillo Console gone");
    });
    server.OnConsolePresence([&](bool present) {
        if (present)
            idle.stop();
        else if (options.IdleExitSeconds > 0)
            idle.start();
    });
    if (options.IdleExitSeconds > 0)
        idle.start();
    connection.Start();
    const int status = QCoreApplication::exec();
    server.OnConsolePresence({}); // the timer ends before the server lets its console go
    RemoveBridgeCard(path);
    return status;
}

} // namespace

// The IRC bridge: a chat client the console reaches over a local socket, as it reaches the
// practice room, that talks to an IRC channel. It outlives the console, so a console started
// again finds the channel and its chat text.
int main(int argc, char** argv)
{
    const CommandLine line = IrcCommandLine();
    const CommandLine::Verdict verdict = line.Check(ArgumentList(argc, argv));
    if (!verdict.Run)
        return PrintVerdict(verdict);
    QCoreApplication app(argc, argv);
#if defined(Q_OS_UNIX)
    std::signal(SIGPIPE, SIG_IGN); // a console that vanished mid-write is noticed, not fatal
#endif
    QString error;
    const auto options = IrcOptions::Parse(QCoreApplication::arguments(),
                                           QProcessEnvironment::systemEnvironment(), &error);
    if (!options)
        return PrintVerdict(line.Refuse(error));
    for (const QString& warning : options->Warnings)
        Say(stderr, QStringLiteral("quillo-irc: ") + warning + u'\n');
    switch (options->Asked) {
    case IrcOptions::Task::List:
        Say(stdout, BridgeListText(RunningBridges(DefaultSocketFolder())));
        return 0;
    case IrcOptions::Task::Stop:
        return StopNamedBridge(*options);
    case IrcOptions::Task::Bridge:
        break;
    }
    return RunBridge(*options);
}
