#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Where the bridge goes: irc://HOST[:PORT]/#channel (plain, port 6667) or
// ircs://HOST[:PORT]/#channel (TLS, port 6697). The channel may be written "%23chan".
struct IrcUrl
{
    QString Host;
    quint16 Port = 0;
    bool Tls = false;
    QByteArray Channel; // UTF-8, with its "#" or "&"

    // Empty with the reason in error for anything else, a password in the URL included: a
    // secret on the command line would show in every process list.
    static std::optional<IrcUrl> Parse(const QString& text, QString* error);
    static bool IsValidChannel(const QByteArray& channel);
};
