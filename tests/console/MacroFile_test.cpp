#include "console/MacroFile.h"
#include "macros/BuiltInMacros.h"
#include "support/FileBytes.h"
#include "support/FileSizeLimit.h"
#include "support/TestConsole.h"
#include "text/Cp1252.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray emptyBlocks(int from, int to)
{
    QByteArray bytes;
    for (int n = from; n <= to; ++n)
        bytes += "[Macro  " + QByteArray::number(n) + " ]\r\n\r\n";
    return bytes;
}

// A console with the built-ins in place and a macro file named in the settings.
struct MacroConsole : TestConsole
{
    MacroConsole()
    {
        SetBuiltInMacros(console.macros);
        console.settings.MacroFile = Path(u"macros.txt"_s);
    }

    void load(const QByteArray& bytes)
    {
        WriteBytes(console.settings.MacroFile, bytes);
        LoadMacros(console);
    }

    const MacroRecord& slot(int n) const
    {
        return console.macros[static_cast<std::size_t>(n)];
    }
};

} // namespace

TEST(MacroFile, SavedFileHasTwentyBlocksByteForByte)
{
    MacroConsole t;
    t.console.macros[1] = {u"N"_s, u"A\r\nB"_s};
    ASSERT_TRUE(SaveMacros(t.console));
    const QByteArray expected =
        "[Macro  1 ]\r\nN\r\nA\r\nB\r\n\r\n" + emptyBlocks(2, 7) +
        "[Macro  8 ]\r\nScores\r\n%scores%\r\n\r\n"
        "[Macro  9 ]\r\nCall for Regs\r\n"
        "To register ESP a %reg% to %host%, if you haven't done it yet.\r\n\r\n"
        "[Macro  10 ]\r\nGet Regs\r\n%getregs%\r\n\r\n" +
        emptyBlocks(11, 20) + "[End Macros]\r\n\r\n";
    EXPECT_EQ(ReadBytes(t.console.settings.MacroFile), expected);
}

TEST(MacroFile, SavedSetLoadsBackWhatTheFormCarries)
{
    MacroConsole t;
    MacroTable& m = t.console.macros;
    m[0] = {u"Zero"_s, u"never written"_s};
    m[1] = {u"N"_s, u"A\r\nB"_s};
    m[2] = {QString(), u"nameless"_s};
    m[3] = {u"Blank"_s, u" "_s};
    m[4] = {u"Tab"_s, u"\tindented"_s};
    m[5] = {u"Gestures"_s, u"wave ° and ± €"_s};
    m[8] = {u"Mine"_s, u"mine"_s};
    m[20] = {u"Last"_s, u"bye\r\n"_s};
    ASSERT_TRUE(SaveMacros(t.console));
    EXPECT_TRUE(ReadBytes(t.console.settings.MacroFile).contains("wave \xB0 and \xB1 \x80\r\n"));

    MacroConsole u;
    u.console.settings.MacroFile = t.console.settings.MacroFile;
    LoadMacros(u.console);
    EXPECT_TRUE(u.toolkit.Boxes.isEmpty());
    EXPECT_EQ(u.slot(0).Name, QString());
    EXPECT_EQ(u.slot(1).Name, u"N"_s);
    EXPECT_EQ(u.slot(1).Text, u"A\r\nB\r\n"_s);
    EXPECT_EQ(u.slot(5).Text, u"wave ° and ± €\r\n"_s);
    EXPECT_EQ(u.slot(20).Text, u"bye\r\n"_s); // its extra empty line ends the text
    EXPECT_EQ(u.slot(8).Name, u"Scores"_s);
    EXPECT_EQ(u.slot(9).Name, u"Call for Regs"_s);
    EXPECT_EQ(u.slot(10).Text, u"%getregs%"_s);
    EXPECT_EQ(u.slot(2).Name, u"Macro 2"_s); // a nameless text keeps its text
    EXPECT_EQ(u.slot(2).Text, u"nameless\r\n"_s);
    for (int n : {3, 4, 6, 7, 11, 19}) {
        EXPECT_EQ(u.slot(n).Name, u"Macro "_s + QString::number(n)) << n;
        EXPECT_EQ(u.slot(n).Text, QString()) << n;
    }
    EXPECT_EQ(u.toolkit.HourglassChanges, 2);
    EXPECT_FALSE(u.toolkit.Hourglass);
}

TEST(MacroFile, ReaderAcceptsLooseHeadersAndSkipsHighBlocks)
{
    MacroConsole t;
    t.console.macros[1] = {u"Keep"_s, u"me"_s};
    t.load("a line before any header\r\n"
           "[MACRO 3]\r\nThree\r\nx\r\n\r\n"
           "\r\n"
           "[macro5 ]\r\nFive\r\ny\r\nwith LF\nalone\r\n\r\n"
           "[Macro   25   ]\r\nSkipped\r\nz\r\n\r\n"
           "[Macro 2]\r\n\r\n"
           "[Macro 8]\r\nHacked\r\nnope\r\n\r\n"
           "[Macro 20]\r\nTwenty\r\nt\r\n\r\n"
           "[End Macros]\r\n\r\n");
    EXPECT_TRUE(t.toolkit.Boxes.isEmpty());
    EXPECT_EQ(t.slot(1).Name, u"Keep"_s); // not in the file: left as it was
    EXPECT_EQ(t.slot(3).Name, u"Three"_s);
    EXPECT_EQ(t.slot(3).Text, u"x\r\n"_s);
    EXPECT_EQ(t.slot(5).Text, u"y\r\nwith LF\nalone\r\n"_s);
    EXPECT_EQ(t.slot(2).Name, u"Macro 2"_s);
    EXPECT_EQ(t.slot(2).Text, QString());
    EXPECT_EQ(t.slot(8).Name, u"Scores"_s);
    EXPECT_EQ(t.slot(8).Text, u"%scores%"_s);
    EXPECT_EQ(t.slot(20).Name, u"Twenty"_s);

    // A second file changes only what it names; an end line with a line after it stops cleanly.
    t.load("[Macro 1]\r\nOne\r\nhi\r\n\r\n[end]\r\nlast\r\n");
    EXPECT_TRUE(t.toolkit.Boxes.isEmpty());
    EXPECT_EQ(t.slot(1).Name, u"One"_s);
    EXPECT_EQ(t.slot(3).Name, u"Three"_s);
    EXPECT_EQ(t.slot(20).Text, u"t\r\n"_s);
}

TEST(MacroFile, LoadFailuresAreShownWithTheFileName)
{
    const struct
    {
        QByteArray file;
        QString firstLines;
    } cases[] = {
        {"[Macro 1]\r\nOne\r\nhi\r\n\r\n[Macro 2]\r\nTwo\r\ntext\r\n",
         u"Error = 2003\nInput past end of file"_s},
        {"[Macro 1]\r\nOne\r\nhi\r\n\r\n[End Macros]\r\n",
         u"Error = 2003\nInput past end of file"_s},
        {"[Macro 1]\r\nOne\r\nhi\r\n\r\n[Macro 20]\r\nT\r\nt\r\n\r\n",
         u"Error = 2003\nInput past end of file"_s},
        {"[Macro 1]\r\nOne\r\nhi\r\n\r\n[Macro 3\r\n",
         u"Error = 2004\nHeader without closing bracket"_s},
        {"[Macro 1]\r\nOne\r\nhi\r\n\r\n[Macro x]\r\n", u"Error = 2005\nInvalid block number"_s},
        {"[Macro 1]\r\nOne\r\nhi\r\n\r\n[Macro -1]\r\n", u"Error = 2005\nInvalid block number"_s},
        {"[Macro 1]\r\nOne\r\nhi\r\n\r\n[Macro 2.5]\r\n", u"Error = 2005\nInvalid block number"_s},
    };
    for (const auto& c : cases) {
        MacroConsole t;
        t.console.macros[8] = {u"Mine"_s, u"mine"_s};
        t.load(c.file);
        ASSERT_EQ(t.toolkit.Boxes.size(), 1) << c.file.constData();
        EXPECT_EQ(t.toolkit.Boxes[0].Title, u"Problem with Macro File"_s);
        EXPECT_EQ(t.toolkit.Boxes[0].Text,
                  c.firstLines + u"\nProblem with Macro file.\n"_s + t.console.settings.MacroFile);
        EXPECT_EQ(t.slot(1).Text, u"hi\r\n"_s) << c.file.constData(); // read before the fault
        EXPECT_EQ(t.slot(8).Name, u"Mine"_s); // a failed read imposes nothing
        EXPECT_FALSE(t.toolkit.Hourglass);
    }

    MacroConsole missing;
    missing.console.settings.MacroFile = missing.Path(u"nowhere.txt"_s);
    LoadMacros(missing.console);
    ASSERT_EQ(missing.toolkit.Boxes.size(), 1);
    EXPECT_EQ(missing.toolkit.Boxes[0].Text,
              u"Error = 2\nNo such file or directory\nProblem with Macro file.\n"_s +
                  missing.Path(u"nowhere.txt"_s));
    EXPECT_FALSE(missing.toolkit.Hourglass);

    // A macro file named as a device that never ends is refused, not read for ever.
    MacroConsole endless;
    endless.console.settings.MacroFile = u"/dev/zero"_s;
    LoadMacros(endless.console);
    ASSERT_EQ(endless.toolkit.Boxes.size(), 1);
    EXPECT_EQ(endless.toolkit.Boxes[0].Text,
              u"Error = 2008\nFile too large\nProblem with Macro file.\n/dev/zero"_s);
}

TEST(MacroFile, NoFileNamedTouchesNothing)
{
    MacroConsole t;
    t.console.settings.MacroFile.clear();
    t.console.macros[1] = {u"One"_s, u"one"_s};
    LoadMacros(t.console);
    EXPECT_TRUE(SaveMacros(t.console));
    EXPECT_TRUE(t.toolkit.Boxes.isEmpty());
    EXPECT_EQ(t.toolkit.HourglassChanges, 0);
    EXPECT_EQ(t.slot(1).Name, u"One"_s);
    EXPECT_TRUE(QDir(t.folder.path()).isEmpty());
}

TEST(MacroFile, SaveFailuresLeaveTheOldFileWhole)
{
    MacroConsole t;
    WriteBytes(t.console.settings.MacroFile, "[Macro 1]\r\nOld\r\nold\r\n\r\n[end]\r\n\r\n");
    const QByteArray old = ReadBytes(t.console.settings.MacroFile);
    {
        FileSizeLimit limit(300);
        if (!limit.Active())
            GTEST_SKIP() << "no file size limit on this system";
        EXPECT_FALSE(SaveMacros(t.console));
    }
    EXPECT_EQ(ReadBytes(t.console.settings.MacroFile), old);
    EXPECT_EQ(QDir(t.folder.path()).entryList(QDir::Files), QStringList{u"macros.txt"_s});
    ASSERT_EQ(t.toolkit.Boxes.size(), 1);
    EXPECT_EQ(t.toolkit.Boxes[0].Title, u"Program Error"_s);
    EXPECT_TRUE(
        t.toolkit.Boxes[0].Text.endsWith(u"\nError with file "_s + t.console.settings.MacroFile));

    // A folder that does not exist is passed over in silence; a file where the folder
    // should be, or a folder where the file should be, is reported.
    MacroConsole u;
    u.console.settings.MacroFile = u.Path(u"no such folder/macros.txt"_s);
    EXPECT_FALSE(SaveMacros(u.console));
    EXPECT_TRUE(u.toolkit.Boxes.isEmpty());

    WriteBytes(u.Path(u"plain"_s), "x");
    u.console.settings.MacroFile = u.Path(u"plain/macros.txt"_s);
    EXPECT_FALSE(SaveMacros(u.console));
    ASSERT_TRUE(QDir(u.folder.path()).mkdir(u"taken.txt"_s));
    u.console.settings.MacroFile = u.Path(u"taken.txt"_s);
    EXPECT_FALSE(SaveMacros(u.console));
    ASSERT_EQ(u.toolkit.Boxes.size(), 2);
#ifdef Q_OS_LINUX
    EXPECT_EQ(u.toolkit.Boxes[0].Text,
              u"Not a directory\n20\nError with file "_s + u.Path(u"plain/macros.txt"_s));
#endif
    EXPECT_EQ(u.toolkit.Boxes[1].Title, u"Program Error"_s);
    EXPECT_TRUE(QFileInfo(u.Path(u"taken.txt"_s)).isDir());
}
