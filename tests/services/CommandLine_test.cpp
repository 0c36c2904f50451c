#include "services/CommandLine.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

CommandLine Sample()
{
    CommandLine line(u"prog"_s, u"3.0.0"_s, {u"[--socket PATH]"_s, u"--irc URL"_s},
                     u"Does a thing."_s);
    line.Add({{u"socket"_s}, u"PATH"_s, u"listen at PATH"_s});
    line.Add({{u"headless"_s}, {}, u"no window"_s});
    line.AddToolkitOptions();
    line.SetEpilogue(u"See prog(6).\n"_s);
    return line;
}

} // namespace

TEST(CommandLine, HelpVersionAndFaultsEndTheRunAndOnlyFaultsGoToStandardError)
{
    const struct
    {
        QStringList Arguments;
        bool Run;
        int Status;
        QString OutStart; // the first line, or empty for none
        QString ErrStart;
    } cases[] = {
        {{}, true, 0, {}, {}},
        {{u"--socket"_s, u"/tmp/s"_s, u"--headless"_s}, true, 0, {}, {}},
        {{u"--socket=/tmp/s"_s, u"-platform"_s, u"offscreen"_s, u"-session"_s, u"x"_s},
         true,
         0,
         {},
         {}},
        {{u"--help"_s}, false, 0, u"Usage: prog [--socket PATH]\n"_s, {}},
        {{u"-h"_s, u"--bogus"_s}, false, 2, {}, u"prog: unknown option '--bogus'\n"_s},
        {{u"--version"_s}, false, 0, u"prog (Quillo Console) 3.0.0\n"_s, {}},
        {{u"--bogus"_s}, false, 2, {}, u"prog: unknown option '--bogus'\n"_s},
        {{u"-x"_s}, false, 2, {}, u"prog: unknown option '-x'\n"_s},
        {{u"--socket"_s}, false, 2, {}, u"prog: Missing value after '--socket'.\n"_s},
        {{u"stray"_s}, false, 2, {}, u"prog: unexpected argument 'stray'\n"_s},
    };
    const CommandLine line = Sample();
    for (const auto& c : cases) {
        const CommandLine::Verdict verdict = line.Check(QStringList{u"prog"_s} + c.Arguments);
        SCOPED_TRACE(c.Arguments.join(u' ').toStdString());
        EXPECT_EQ(verdict.Run, c.Run);
        EXPECT_EQ(verdict.Status, c.Status);
        EXPECT_EQ(verdict.Out.section(u'\n', 0, 0) + (verdict.Out.isEmpty() ? u""_s : u"\n"_s),
                  c.OutStart);
        EXPECT_EQ(verdict.Err.section(u'\n', 0, 0) + (verdict.Err.isEmpty() ? u""_s : u"\n"_s),
                  c.ErrStart);
        // A fault shows the usage and where to read more, after its one line.
        if (c.Status == 2) {
            EXPECT_TRUE(
                verdict.Err.contains(u"\nUsage: prog [--socket PATH]\n  or:  prog --irc URL\n"_s));
            EXPECT_TRUE(verdict.Err.endsWith(u"Try 'prog --help' for more information.\n"_s));
        }
    }
}

TEST(CommandLine, HelpListsTheOptionsInColumnsButNotTheToolkits)
{
    const QString help = Sample().Help();
    EXPECT_TRUE(help.contains(u"\nDoes a thing.\n\n"_s));
    EXPECT_TRUE(help.contains(u"\n      --socket PATH  listen at PATH\n"_s)) << qPrintable(help);
    EXPECT_TRUE(help.contains(u"\n      --headless     no window\n"_s));
    EXPECT_TRUE(help.contains(u"\n  -h, --help         display this help and exit\n"_s));
    EXPECT_TRUE(help.contains(u"\n      --version      output version information and exit\n"_s));
    EXPECT_TRUE(help.endsWith(u"\n\nSee prog(6).\n"_s));
    EXPECT_FALSE(help.contains(u"platform"_s));
}
