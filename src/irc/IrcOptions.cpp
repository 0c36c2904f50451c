#include "irc/IrcOptions.h"

#include "irc/IrcNick.h"
#include "irc/IrcSendQueue.h"
#include "text/FixedLines.h"

#include <QCommandLineParser>
#include <QFile>

namespace {

std::optional<IrcOptions> fail(QString* error, const QString& why)
{
    if (error)
        *error = why;
    return std::nullopt;
}

bool readNumber(const QCommandLineParser& parser, const QString& name, int least, int& out,
                QString* error)
{
    if (!parser.isSet(name))
        return true;
    bool ok = false;
    const int value = parser.value(name).toInt(&ok);
    if (!ok || value < least) {
        if (error)
            *error =
                QStringLiteral("--%1 needs a whole number of at least %2").arg(name).arg(least);
        return false;
    }
    out = value;
    return true;
}

// A secret from the variable itself, or else the first line of the file it names. Its text
// never goes into a message.
bool readSecret(const QProcessEnvironment& env, const QString& name, QByteArray& out,
                QString* error)
{
    const QString fileName = name + QStringLiteral("_FILE");
    if (env.contains(name)) {
        out = env.value(name).toUtf8();
    } else if (env.contains(fileName)) {
        QFile file(env.value(fileName));
        if (!file.open(QIODevice::ReadOnly)) {
            if (error)
                *error = QStringLiteral("cannot read the file named by %1").arg(fileName);
            return false;
        }
        out = file.readLine(4096);
        while (out.endsWith('\n') || out.endsWith('\r'))
            out.chop(1);
    }
    if (out.contains('\r') || out.contains('\n') || out.contains('\0')) {
        if (error)
            *error = QStringLiteral("%1 holds a line break").arg(name);
        return false;
    }
    return true;
}

} // namespace

QStringList IrcOptions::PassedOnValueOptions()
{
    return {QStringLiteral("sasl-user"),     QStringLiteral("send-interval"),
            QStringLiteral("burst"),         QStringLiteral("reconnect-min"),
            QStringLiteral("reconnect-max"), QStringLiteral("idle-exit")};
}

QStringList IrcOptions::PasswordFileWarnings(const QProcessEnvironment& environment)
{
    QStringList warnings;
    for (const char* name : {"QUILLO_IRC_PASSWORD_FILE", "QUILLO_IRC_SASL_PASSWORD_FILE"}) {
        const QString variable = QString::fromLatin1(name);
        // The variable itself wins over the file, which then is not read at all.
        if (!environment.contains(variable) || environment.contains(variable.chopped(5)))
            continue;
        const QString file = environment.value(variable);
        const QFile::Permissions others = QFile::ReadGroup | QFile::ReadOther;
        if (QFile::exists(file) && (QFile::permissions(file) & others))
            warnings.append(QStringLiteral("warning: %1, named by %2, can be read by other "
                                           "users; chmod 600 it")
                                .arg(file, variable));
    }
    return warnings;
}

std::optional<IrcOptions> IrcOptions::Parse(const QStringList& arguments,
                                            const QProcessEnvironment& environment, QString* error)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QStringList valued =
        QStringList{QStringLiteral("socket"), QStringLiteral("nick")} + PassedOnValueOptions();
    for (const QString& name : valued)
        parser.addOption(QCommandLineOption(name, QString(), QStringLiteral("value")));
    for (const char* flag : {"insecure", "list", "stop"})
        parser.addOption(QCommandLineOption(QString::fromLatin1(flag)));
    if (!parser.parse(arguments))
        return fail(error, parser.errorText());

    IrcOptions options;
    if (parser.isSet(QStringLiteral("list"))) {
        if (!parser.positionalArguments().isEmpty())
            return fail(error, QStringLiteral("--list takes no URL"));
        options.Asked = Task::List;
        return options;
    }
    options.SocketPath = parser.value(QStringLiteral("socket"));
    if (parser.isSet(QStringLiteral("stop"))) {
        options.Asked = Task::Stop;
        if (!options.SocketPath.isEmpty() && parser.positionalArguments().isEmpty())
            return options;
        if (parser.positionalArguments().isEmpty())
            return fail(error, QStringLiteral("--stop needs the bridge's --socket PATH, or its "
                                              "--nick NICK and URL"));
    }
    if (parser.positionalArguments().size() != 1)
        return fail(error, QStringLiteral("give exactly one irc:// or ircs:// URL"));
    options.UrlText = parser.positionalArguments().constFirst();
    QString why;
    const auto url = IrcUrl::Parse(options.UrlText, &why);
    if (!url)
        return fail(error, why);
    options.Url = *url;
    options.Nick = parser.value(QStringLiteral("nick")).toUtf8();
    if (!IrcNick::IsValid(options.Nick))
        return fail(error, QStringLiteral("--nick needs a valid IRC nick (letters, digits and "
                                          "[]\\`_^{|}-, not starting with a digit or -)"));
    options.SaslUser = parser.isSet(QStringLiteral("sasl-user"))
                           ? parser.value(QStringLiteral("sasl-user")).toUtf8()
                           : options.Nick;
    if (options.SaslUser.isEmpty() || options.SaslUser.contains('\0'))
        return fail(error, QStringLiteral("--sasl-user needs a name"));
    if (options.Asked == Task::Stop)
        return options;
    options.Insecure = parser.isSet(QStringLiteral("insecure"));
    options.SendIntervalMs = IrcSendQueue::DefaultIntervalMs;
    options.Burst = IrcSendQueue::DefaultBurst;
    if (!readNumber(parser, QStringLiteral("send-interval"), 0, options.SendIntervalMs, error) ||
        !readNumber(parser, QStringLiteral("burst"), 1, options.Burst, error) ||
        !readNumber(parser, QStringLiteral("reconnect-min"), 1, options.ReconnectMinMs, error) ||
        !readNumber(parser, QStringLiteral("reconnect-max"), 1, options.ReconnectMaxMs, error) ||
        !readNumber(parser, QStringLiteral("idle-exit"), 0, options.IdleExitSeconds, error))
        return std::nullopt;
    if (options.ReconnectMaxMs < options.ReconnectMinMs)
        return fail(error, QStringLiteral("--reconnect-max must not be below --reconnect-min"));
    if (!readSecret(environment, QStringLiteral("QUILLO_IRC_PASSWORD"), options.Password, error) ||
        !readSecret(environment, QStringLiteral("QUILLO_IRC_SASL_PASSWORD"), options.SaslPassword,
                    error))
        return std::nullopt;
    options.Warnings = PasswordFileWarnings(environment);
    return options;
}
