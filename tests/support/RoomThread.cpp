#include "RoomThread.h"

#include "room/PracticeRoom.h"
#include "socket/ChatClientServer.h"

RoomThread::RoomThread(const QString& socketPath) : socketPath_(socketPath)
{
    thread_.Run([this] {
        room_ = std::make_unique<PracticeRoom>(QStringLiteral("Host"));
        server_ = std::make_unique<ChatClientServer>(*room_);
        server_->Listen(socketPath_);
    });
}

RoomThread::~RoomThread()
{
    Stop();
}

void RoomThread::Run(const std::function<void(PracticeRoom&)>& action)
{
    thread_.Run([this, &action] { action(*room_); });
}

QString RoomThread::SocketPath() const
{
    return socketPath_;
}

void RoomThread::Stop()
{
    thread_.Run([this] {
        server_.reset();
        room_.reset();
    });
    thread_.Stop();
}
