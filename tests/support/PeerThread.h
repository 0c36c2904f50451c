#pragma once

#include <QByteArray>
#include <QPointer>
#include <QString>
#include <QThread>

#include <functional>

class QLocalSocket;

// The console's peer in a thread of its own, as a chat client runs in a program of its own, so
// a console in the test's thread can make blocking calls to it. Either the peer listens at a
// path itself and a script answers each line a connection sends, or the test builds whatever
// serves (a practice room's server, say) in that thread with Run, and ends it there before Stop.
//
//   PeerThread peer(path, [](QLocalSocket& connection, const QByteArray& line) {
//       connection.write(line.startsWith("INIT") ? "STATUS 0\n" : "STATUS -1\n");
//   });
class PeerThread
{
public:
    // Runs in the peer's thread for each line (without its '\n'), one script for all connections.
    using Script = std::function<void(QLocalSocket& connection, const QByteArray& line)>;

    // A thread with nothing in it yet.
    PeerThread();
    // Listens at the path and answers by the script.
    PeerThread(const QString& socketPath, Script script);
    ~PeerThread();
    PeerThread(const PeerThread&) = delete;
    PeerThread& operator=(const PeerThread&) = delete;

    // Runs the action in the peer's thread and waits for it; nothing once stopped.
    void Run(const std::function<void()>& action);
    // On the latest connection, unasked: bytes, or a hang-up.
    void Send(const QByteArray& bytes);
    void HangUp();
    // Ends the peer's own server and its connections in its thread, then the thread.
    void Stop();

private:
    void Listen(const QString& socketPath);
    void Accept(QLocalSocket* connection);

    QThread thread_;
    QObject* anchor_ = nullptr; // lives in the peer's thread; owns what the peer made there
    Script script_;
    QPointer<QLocalSocket> latest_;
};
