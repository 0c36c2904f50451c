#pragma once

#include "support/PeerThread.h"

#include <QString>

#include <functional>
#include <memory>

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
    QString socketPath_;
    // Made, used and ended in the room's thread.
    std::unique_ptr<PracticeRoom> room_;
    std::unique_ptr<ChatClientServer> server_;
    PeerThread thread_;
};
