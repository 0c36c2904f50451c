#include "RoomThread.h"

#include "room/PracticeRoom.h"
#include "socket/ChatClientServer.h"

#include <QMetaObject>

RoomThread::RoomThread(const QString& socketPath) : socketPath_(socketPath)
{
    thread_.start();
    anchor_ = new QObject;
    anchor_->moveToThread(&thread_);
    QMetaObject::invokeMethod(
        anchor_,
        [this] {
            room_ = new PracticeRoom(QStringLiteral("Host"));
            server_ = new ChatClientServer(*room_);
            server_->Listen(socketPath_);
        },
        Qt::BlockingQueuedConnection);
}

RoomThread::~RoomThread()
{
    Stop();
}

void RoomThread::Run(const std::function<void(PracticeRoom&)>& action)
{
    QMetaObject::invokeMethod(
        anchor_, [this, &action] { action(*room_); }, Qt::BlockingQueuedConnection);
}

QString RoomThread::SocketPath() const
{
    return socketPath_;
}

void RoomThread::Stop()
{
    if (!thread_.isRunning())
        return;
    QMetaObject::invokeMethod(
        anchor_,
        [this] {
            delete server_;
            delete room_;
            server_ = nullptr;
            room_ = nullptr;
            delete anchor_;
        },
        Qt::BlockingQueuedConnection);
    thread_.quit();
    thread_.wait();
}
