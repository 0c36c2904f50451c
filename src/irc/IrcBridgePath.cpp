#include "irc/IrcBridgePath.h"

#include "socket/ChatClientServer.h"

#include <QCryptographicHash>
#include <QFileInfo>

QString IrcBridgeSocketPath(const QString& url, const QString& nick)
{
    // A hash keeps the path short (a Unix socket path has about 100 bytes) and free of the
    // URL's slashes and colons.
    const QByteArray key = url.toUtf8() + '\n' + nick.toUtf8();
    const QByteArray hash =
        QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(16);
    const QString folder = QFileInfo(ChatClientServer::DefaultSocketPath()).absolutePath();
    return folder + QStringLiteral("/irc-") + QString::fromLatin1(hash) + QStringLiteral(".sock");
}
