#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class ChatClient;

// Loads the socket client module from the first of the folders that holds it, and makes the
// client for a socket with it. The module stays loaded for the rest of the run.
class SocketClientLoader
{
public:
    explicit SocketClientLoader(QStringList folders);

    // Null when no folder holds a module that loads; ErrorText says why.
    std::unique_ptr<ChatClient> Open(const QString& socket);
    QString ErrorText() const;

private:
    QStringList folders_;
    QString error_;
};
