#include "irc/IrcBridgePath.h"

#include "irc/IrcNick.h"
#include "irc/IrcUrl.h"
#include "socket/SocketFolder.h"

#include <QCryptographicHash>
#include <QDir>

QString IrcBridgeSocketPath(const QString& url, const QString& nick)
{
    return IrcBridgeSocketPath(url, nick, DefaultSocketFolder());
}

QString IrcBridgeSocketPath(const QString& url, const QString& nick, const QString& folder)
{
    QByteArray key;
    if (const auto place = IrcUrl::Parse(url, nullptr)) {
        QString host = place->Host.toLower();
        if (host.endsWith(u'.'))
            host.chop(1); // the root's dot names the same server
        key = host.toUtf8() + '\n' + QByteArray::number(place->Port) + '\n' +
              IrcNick::Folded(place->Channel);
    } else {
        key = url.toUtf8(); // a bridge refuses it, and says why
    }
    key += '\n' + IrcNick::Folded(nick.toUtf8());
    // A hash keeps the path short (a Unix socket path has about 100 bytes) and free of the
    // URL's slashes and colons.
    const QByteArray hash =
        QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(16);
    return QDir(folder).filePath(QStringLiteral("irc-") + QString::fromLatin1(hash) +
                                 QStringLiteral(".sock"));
}
