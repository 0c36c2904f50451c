#include "services/CommandLine.h"

#include <QCommandLineParser>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <utility>

namespace {

const CommandLine::Option HelpOption{{QStringLiteral("h"), QStringLiteral("help")},
                                     {},
                                     QStringLiteral("display this help and exit")};
const CommandLine::Option VersionOption{
    {QStringLiteral("version")}, {}, QStringLiteral("output version information and exit")};

QString Dashed(const QString& name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

// "  -h, --help", "      --chat-client SOCKET": short options aligned in a column of their own.
QString Left(const CommandLine::Option& option)
{
    QStringList shorts;
    QStringList longs;
    for (const QString& name : option.Names)
        (name.size() == 1 ? shorts : longs).append(Dashed(name));
    QString text = shorts.isEmpty() ? QStringLiteral("      ")
                                    : QStringLiteral("  ") + shorts.join(QStringLiteral(", ")) +
                                          (longs.isEmpty() ? QString() : QStringLiteral(", "));
    text += longs.join(QStringLiteral(", "));
    if (!option.ValueName.isEmpty())
        text += u' ' + option.ValueName;
    return text;
}

} // namespace

CommandLine::CommandLine(QString program, QString version, QStringList usage, QString summary)
    : program_(std::move(program)), version_(std::move(version)), usage_(std::move(usage)),
      summary_(std::move(summary))
{
}

void CommandLine::Add(const Option& option)
{
    options_.push_back(option);
}

void CommandLine::AddToolkitOptions()
{
    // A session manager restarts a program with -session; the others are the toolkit's own.
    for (const char* name :
         {"platform", "platformtheme", "plugin", "style", "stylesheet", "display", "geometry",
          "qwindowgeometry", "qwindowtitle", "qwindowicon", "session", "name", "title"})
        options_.push_back({{QString::fromLatin1(name)}, QStringLiteral("VALUE"), {}});
    for (const char* name : {"reverse", "nograb", "dograb", "sync"})
        options_.push_back({{QString::fromLatin1(name)}, {}, {}});
}

void CommandLine::SetEpilogue(const QString& text)
{
    epilogue_ = text;
}

void CommandLine::AcceptArguments()
{
    arguments_ = true;
}

CommandLine::Verdict CommandLine::Check(const QStringList& arguments) const
{
    QCommandLineParser parser;
    // "-platform offscreen", the toolkit's own form, reads as one word.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const Option& option : options_)
        parser.addOption(QCommandLineOption(option.Names, option.Help, option.ValueName));
    parser.addOption(QCommandLineOption(HelpOption.Names));
    parser.addOption(QCommandLineOption(VersionOption.Names));
    const bool parsed = parser.parse(arguments);
    if (!parser.unknownOptionNames().isEmpty())
        return Refuse(QStringLiteral("unknown option '") +
                      Dashed(parser.unknownOptionNames().constFirst()) + u'\'');
    if (!parsed)
        return Refuse(parser.errorText());
    if (!arguments_ && !parser.positionalArguments().isEmpty())
        return Refuse(QStringLiteral("unexpected argument '") +
                      parser.positionalArguments().constFirst() + u'\'');
    if (parser.isSet(QStringLiteral("help")))
        return {false, 0, Help(), {}};
    if (parser.isSet(QStringLiteral("version")))
        return {false, 0, Version(), {}};
    return {};
}

QString CommandLine::Help() const
{
    std::vector<Option> listed;
    std::copy_if(options_.begin(), options_.end(), std::back_inserter(listed),
                 [](const Option& option) { return !option.Help.isEmpty(); });
    listed.push_back(HelpOption);
    listed.push_back(VersionOption);
    qsizetype width = 0;
    for (const Option& option : listed)
        width = std::max(width, Left(option).size());
    QString text = usageLines() + summary_ + QStringLiteral("\n\n");
    for (const Option& option : listed)
        text += Left(option).leftJustified(width + 2) + option.Help + u'\n';
    if (!epilogue_.isEmpty())
        text += u'\n' + epilogue_;
    return text;
}

QString CommandLine::Version() const
{
    return program_ + QStringLiteral(" (Quillo Console) ") + version_ + u'\n';
}

QString CommandLine::usageLines() const
{
    QString text;
    for (const QString& line : usage_) {
        text += (text.isEmpty() ? QStringLiteral("Usage: ") : QStringLiteral("  or:  ")) +
                program_ + u' ' + line + u'\n';
    }
    return text;
}

CommandLine::Verdict CommandLine::Refuse(const QString& why) const
{
    return {false,
            2,
            {},
            program_ + QStringLiteral(": ") + why + u'\n' + usageLines() + QStringLiteral("Try '") +
                program_ + QStringLiteral(" --help' for more information.\n")};
}

QStringList ArgumentList(int argc, const char* const* argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

int PrintVerdict(const CommandLine::Verdict& verdict)
{
    std::fputs(verdict.Out.toLocal8Bit().constData(), stdout);
    std::fputs(verdict.Err.toLocal8Bit().constData(), stderr);
    std::fflush(stdout);
    return verdict.Status;
}
