#pragma once

#include "socket/ChatProtocol.h"

#include <QByteArray>
#include <QLocalServer>
#include <QPointer>
#include <QString>

#include <functional>

class ChatClient;
class QLocalSocket;

// Offers an in-process chat client (the practice room, the IRC bridge) to one console at a
// time over a local socket that only the user who started it can reach. Requests are handled
// one at a time: a request whose status follows later holds the next ones until it came.
class ChatClientServer
{
public:
    explicit ChatClientServer(ChatClient& client);
    ~ChatClientServer();

    // Listens at the given path, in a folder that passes PrepareSocketFolder (by default the
    // program's own socket folder).
    bool Listen(const QString& socketPath);
    QString SocketPath() const;
    QString ErrorText() const;
    bool HasConsole() const;
    // Told true when a console comes and false when it goes (a bridge that nobody comes back
    // to ends by itself).
    void OnConsolePresence(std::function<void(bool)> handler);

    static QString DefaultSocketPath();

private:
    void accept();
    void readRequests();
    void handle(const ChatMessage& message);
    void statusReported(const QByteArray& status);
    void finishRequest();
    void send(const QByteArray& line);
    void consoleGone();

    ChatClient& client_;
    QLocalServer server_;
    QPointer<QLocalSocket> console_;
    ChatLineReader reader_;
    QByteArray plugin_;
    bool inRequest_ = false;
    bool statusFollows_ = false; // the request in hand answers later
    bool statusReported_ = false;
    QByteArray status_;
    QString folderError_;
    std::function<void(bool)> presence_;
    QObject context_; // owns the resumption of held requests
};
