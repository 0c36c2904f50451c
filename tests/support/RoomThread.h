#pragma once

#include <QString>
#include <QThread>

#include <functional>

class ChatClientServer;
class PracticeRoom;

// A practice room served over a local socket from a thread of its own, so a console in the
// test's thread can make blocking calls to it, as to a room in another program.
class RoomThread
{
public:
    explicit RoomThread(const QString& socketPath);
    ~RoomThread();

    // Runs the action in the room's thread and waits for it.
    void Run(const std::function<void(PracticeRoom&)>& action);
    QString SocketPath() const;
    void Stop();

private:
    QThread thread_;
    QObject* anchor_ = nullptr; // lives in the room's thread
    PracticeRoom* room_ = nullptr;
    ChatClientServer* server_ = nullptr;
    QString socketPath_;
};
