#include "socket/ChatClientChoice.h"

namespace {

QString optionValue(const QStringList& arguments, const QString& option)
{
    const QString joined = option + u'=';
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == option && i + 1 < arguments.size())
            return arguments[i + 1];
        if (argument.startsWith(joined))
            return argument.mid(joined.size());
    }
    return {};
}

} // namespace

QString ChatClientSocket(const QStringList& arguments, const QString& environmentValue)
{
    const QString fromArguments = optionValue(arguments, QStringLiteral("--chat-client"));
    return fromArguments.isEmpty() ? environmentValue : fromArguments;
}

QString RoomSocketArgument(const QStringList& arguments)
{
    return optionValue(arguments, QStringLiteral("--socket"));
}
