#include "PeerThread.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QMetaObject>

#include <memory>

PeerThread::PeerThread()
{
    thread_.start();
    anchor_ = new QObject;
    anchor_->moveToThread(&thread_);
}

PeerThread::PeerThread(const QString& socketPath, Script script) : PeerThread()
{
    script_ = std::move(script);
    Run([this, socketPath] { Listen(socketPath); });
}

PeerThread::~PeerThread()
{
    Stop();
}

void PeerThread::Run(const std::function<void()>& action)
{
    if (!thread_.isRunning())
        return;
    QMetaObject::invokeMethod(
        anchor_, [&action] { action(); }, Qt::BlockingQueuedConnection);
}

void PeerThread::Send(const QByteArray& bytes)
{
    Run([this, &bytes] {
        if (latest_)
            latest_->write(bytes);
    });
}

void PeerThread::HangUp()
{
    Run([this] {
        if (latest_)
            latest_->disconnectFromServer();
    });
}

void PeerThread::Stop()
{
    if (!thread_.isRunning())
        return;
    Run([this] {
        delete anchor_; // with it the server, its connections and their timers
        anchor_ = nullptr;
    });
    thread_.quit();
    thread_.wait();
}

void PeerThread::Listen(const QString& socketPath)
{
    auto* server = new QLocalServer(anchor_);
    QObject::connect(server, &QLocalServer::newConnection, server, [this, server] {
        while (QLocalSocket* connection = server->nextPendingConnection())
            Accept(connection);
    });
    server->listen(socketPath);
}

void PeerThread::Accept(QLocalSocket* connection)
{
    latest_ = connection;
    auto pending = std::make_shared<QByteArray>();
    QObject::connect(connection, &QLocalSocket::readyRead, connection, [this, connection, pending] {
        *pending += connection->readAll();
        for (qsizetype end; (end = pending->indexOf('\n')) >= 0;) {
            const QByteArray line = pending->left(end);
            pending->remove(0, end + 1);
            script_(*connection, line);
        }
    });
}
