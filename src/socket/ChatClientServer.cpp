#include "socket/ChatClientServer.h"

#include "chat/ChatClient.h"
#include "socket/SocketFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QTimer>

#include <utility>

ChatClientServer::ChatClientServer(ChatClient& client) : client_(client)
{
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    server_.setMaxPendingConnections(1);
    QObject::connect(&server_, &QLocalServer::newConnection, &server_, [this] { accept(); });
}

ChatClientServer::~ChatClientServer()
{
    if (console_)
        console_->abort();
    server_.close();
}

QString ChatClientServer::DefaultSocketPath()
{
    return QDir(DefaultSocketFolder()).filePath(QStringLiteral("room.sock"));
}

bool ChatClientServer::Listen(const QString& socketPath)
{
    // Only the user who started the room may reach it, and nobody may take its place.
    folderError_ = PrepareSocketFolder(QFileInfo(socketPath).absolutePath());
    if (!folderError_.isEmpty())
        return false;
    QLocalServer::removeServer(socketPath); // a socket left behind by a room that crashed
    return server_.listen(socketPath);
}

QString ChatClientServer::SocketPath() const
{
    return server_.fullServerName();
}

QString ChatClientServer::ErrorText() const
{
    return folderError_.isEmpty() ? server_.errorString() : folderError_;
}

bool ChatClientServer::HasConsole() const
{
    return console_ && console_->state() == QLocalSocket::ConnectedState;
}

void ChatClientServer::OnConsolePresence(std::function<void(bool)> handler)
{
    presence_ = std::move(handler);
}

void ChatClientServer::accept()
{
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        if (HasConsole()) {
            socket->abort(); // one console at a time
            socket->deleteLater();
            continue;
        }
        console_ = socket;
        reader_.Clear();
        QObject::connect(socket, &QLocalSocket::readyRead, socket, [this] { readRequests(); });
        QObject::connect(socket, &QLocalSocket::disconnected, socket, [this, socket] {
            if (console_ == socket)
                consoleGone();
            socket->deleteLater();
        });
        if (presence_)
            presence_(true);
    }
}

void ChatClientServer::readRequests()
{
    if (!console_)
        return;
    reader_.Append(console_->readAll());
    while (!statusFollows_) {
        const auto line = reader_.NextLine();
        if (!line)
            break;
        if (auto message = DecodeChatMessage(*line))
            handle(*message);
        if (!console_)
            return;
    }
    if (reader_.Overflowed()) {
        console_->abort();
        consoleGone();
    }
}

void ChatClientServer::handle(const ChatMessage& message)
{
    const QList<QByteArray>& f = message.Fields;
    inRequest_ = true;
    statusReported_ = false;
    status_.clear();
    if (message.Kind == "INIT") {
        plugin_ = f[0];
        ChatCallbacks callbacks;
        callbacks.OnStatus = [this](const QByteArray& status) { statusReported(status); };
        callbacks.OnText = [this](const QByteArray& text) {
            send(EncodeChatMessage("TEXT", {text}));
        };
        callbacks.OnNotify = [this](const QByteArray& a, std::int16_t v, const QByteArray& b) {
            send(EncodeChatMessage("NOTIFY", {a, QByteArray::number(v), b}));
        };
        const std::int16_t result = client_.InitDDE(plugin_, std::move(callbacks));
        statusReported_ = true;
        status_ = QByteArray::number(result);
    } else if (message.Kind == "REGISTER") {
        client_.DapiRegister(f[0]);
    } else if (message.Kind == "COMMUNICATE") {
        bool ok = false;
        const int mode = f[1].toInt(&ok);
        if (ok && mode >= -32768 && mode <= 32767) {
            client_.DapiCommunicate(f[0], static_cast<std::int16_t>(mode), f[2], f[3]);
        } else {
            statusReported_ = true; // a mode the library cannot take: refused
            status_ = "-1";
        }
    } else if (message.Kind == "GETALLTEXT") {
        client_.DapiGetAllText(f[0]);
    } else if (message.Kind == "UNREGISTER") {
        client_.DapiUnregister(f[0]);
    } else if (message.Kind == "KILL") {
        client_.KillDDE();
    } else {
        inRequest_ = false;
        return; // a console never sends the client's own kinds: drop it
    }
    if (!statusReported_ && client_.StatusFollows()) {
        statusFollows_ = true;
        return;
    }
    finishRequest();
}

void ChatClientServer::statusReported(const QByteArray& status)
{
    if (!inRequest_)
        return;
    statusReported_ = true;
    status_ = status;
    if (statusFollows_)
        finishRequest();
}

void ChatClientServer::finishRequest()
{
    inRequest_ = false;
    // Exactly one status per request; an empty one when the library reported none.
    send(EncodeChatMessage("STATUS", {statusReported_ ? status_ : QByteArray()}));
    if (std::exchange(statusFollows_, false))
        QTimer::singleShot(0, &context_, [this] { readRequests(); }); // what waited behind it
}

void ChatClientServer::send(const QByteArray& line)
{
    if (console_ && console_->state() == QLocalSocket::ConnectedState)
        console_->write(line);
}

void ChatClientServer::consoleGone()
{
    // A status still to come has nobody to go to.
    inRequest_ = false;
    statusFollows_ = false;
    // A console that vanished without unregistering is forgotten, so the next one starts clean.
    if (!plugin_.isEmpty())
        client_.DapiUnregister(plugin_);
    plugin_.clear();
    console_ = nullptr;
    reader_.Clear();
    if (presence_)
        presence_(false);
}
