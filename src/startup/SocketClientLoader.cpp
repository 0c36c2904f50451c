#include "startup/SocketClientLoader.h"

#include "chat/ChatClient.h"
#include "socket/SocketClientModule.h"

#include <QDir>
#include <QLibrary>

#include <utility>

SocketClientLoader::SocketClientLoader(QStringList folders) : folders_(std::move(folders)) {}

std::unique_ptr<ChatClient> SocketClientLoader::Open(const QString& socket)
{
    QStringList failures;
    for (const QString& folder : std::as_const(folders_)) {
        QLibrary module(QDir(folder).filePath(QLatin1StringView(SocketClientModuleName)));
        auto open = reinterpret_cast<OpenSocketClientEntry>(module.resolve(OpenSocketClientSymbol));
        if (open)
            return std::unique_ptr<ChatClient>(open(socket));
        failures.append(module.errorString());
    }
    error_ = QStringLiteral("cannot load the socket client module: ") +
             failures.join(QStringLiteral("; "));
    return nullptr;
}

QString SocketClientLoader::ErrorText() const
{
    return error_;
}
