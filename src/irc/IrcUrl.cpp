#include "irc/IrcUrl.h"

#include <QUrl>

namespace {

constexpr qsizetype MaxChannelBytes = 50;

std::optional<IrcUrl> fail(QString* error, const QString& why)
{
    if (error)
        *error = why;
    return std::nullopt;
}

} // namespace

std::optional<IrcUrl> IrcUrl::Parse(const QString& text, QString* error)
{
    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid())
        return fail(error, QStringLiteral("not a URL: ") + text);
    IrcUrl result;
    const QString scheme = url.scheme().toLower();
    if (scheme == u"irc")
        result.Tls = false;
    else if (scheme == u"ircs")
        result.Tls = true;
    else
        return fail(error, QStringLiteral("the URL must begin with irc:// or ircs://"));
    if (!url.userInfo().isEmpty())
        return fail(error, QStringLiteral("no user or password in the URL; a password comes "
                                          "from QUILLO_IRC_PASSWORD or QUILLO_IRC_PASSWORD_FILE"));
    result.Host = url.host();
    if (result.Host.isEmpty())
        return fail(error, QStringLiteral("the URL names no server"));
    const int port = url.port(result.Tls ? 6697 : 6667);
    if (port <= 0 || port > 65535)
        return fail(error, QStringLiteral("not a port in the URL"));
    result.Port = static_cast<quint16>(port);
    if (!url.query().isEmpty())
        return fail(error, QStringLiteral("the URL takes no query"));

    // "/#chan" leaves the channel in the fragment, "/%23chan" in the path.
    const QString path = url.path(QUrl::FullyDecoded);
    if (url.hasFragment()) {
        if (!path.isEmpty() && path != u"/")
            return fail(error, QStringLiteral("the URL's path must be the channel alone"));
        result.Channel = '#' + url.fragment(QUrl::FullyDecoded).toUtf8();
    } else {
        result.Channel = path.mid(path.startsWith(u'/') ? 1 : 0).toUtf8();
    }
    if (!IsValidChannel(result.Channel))
        return fail(error, QStringLiteral("the URL must end with a channel: /#channel"));
    return result;
}

bool IrcUrl::IsValidChannel(const QByteArray& channel)
{
    if (channel.size() < 2 || channel.size() > MaxChannelBytes)
        return false;
    if (channel[0] != '#' && channel[0] != '&')
        return false;
    for (const char c : channel) {
        if (c == '\0' || c == '\a' || c == '\r' || c == '\n' || c == ' ' || c == ',' || c == ':')
            return false;
    }
    return true;
}
