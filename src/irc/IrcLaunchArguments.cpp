#include "irc/IrcLaunchArguments.h"

#include "irc/IrcOptions.h"

using namespace Qt::StringLiterals;

IrcLaunchArguments ReadIrcLaunchArguments(const QStringList& arguments)
{
    IrcLaunchArguments launch;
    const QString insecure = u"--insecure"_s;
    QStringList passedOn;
    for (const QString& name : IrcOptions::PassedOnValueOptions())
        passedOn.append(u"--"_s + name);
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
        if (arguments[i] == insecure) {
            launch.BridgeOptions.append(insecure);
            continue;
        }
        for (const QString& option : passedOn) {
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
