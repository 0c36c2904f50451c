#include "irc/IrcLaunchArguments.h"

using namespace Qt::StringLiterals;

namespace {

// The bridge's options with a value, and the one without.
const QStringList BridgeValueOptions = {u"--sasl-user"_s, u"--send-interval"_s, u"--burst"_s,
                                        u"--reconnect-min"_s, u"--reconnect-max"_s};
const QString InsecureOption = u"--insecure"_s;

} // namespace

IrcLaunchArguments ReadIrcLaunchArguments(const QStringList& arguments)
{
    IrcLaunchArguments launch;
    const auto take = [&](qsizetype& i, const QString& option, QString& value) {
        const QString& argument = arguments[i];
        if (argument.startsWith(option + u'=')) {
            value = argument.mid(option.size() + 1);
            return true;
        }
        if (argument != option)
            return false;
        if (i + 1 >= arguments.size()) {
            launch.Error = option + u" needs a value"_s;
            return true;
        }
        value = arguments[++i];
        return true;
    };
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        QString value;
        if (take(i, u"--irc"_s, value)) {
            launch.Requested = true;
            launch.Url = value;
            continue;
        }
        if (take(i, u"--nick"_s, value)) {
            launch.Nick = value;
            continue;
        }
        if (arguments[i] == InsecureOption) {
            launch.BridgeOptions.append(InsecureOption);
            continue;
        }
        for (const QString& option : BridgeValueOptions) {
            if (take(i, option, value)) {
                launch.BridgeOptions.append({option, value});
                break;
            }
        }
    }
    if (launch.Requested && launch.Error.isEmpty()) {
        if (launch.Url.isEmpty())
            launch.Error =
                u"--irc needs the server and channel, e.g. ircs://server:6697/#channel"_s;
        else if (launch.Nick.isEmpty())
            launch.Error = u"--irc needs --nick NICK, the host's nick in the channel"_s;
    }
    return launch;
}
