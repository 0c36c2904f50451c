#include "console/SettingsFile.h"
#include "records/RecordPaths.h"
#include "support/FileBytes.h"
#include "support/FileSizeLimit.h"
#include "support/TestConsole.h"
#include "text/Cp1252.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QByteArray DefaultsFile = "[Settings]\r\n"
                                "Delay= 0 \r\n"
                                "Left= 1440 \r\n"
                                "Top= 1080 \r\n"
                                "OnTop=False\r\n"
                                "RegChar=$\r\n"
                                "Start= 10 \r\n"
                                "Confirm=True\r\n"
                                "Points=False\r\n"
                                "DayOfWeek=False\r\n"
                                "Call=WTG!  %player%, you have been chosen\r\n"
                                "WTG=wtg!  %player% gets %points% points\r\n"
                                "Lose=awwww  %player% loses %points% points\r\n"
                                "Push=push!  %player% gets no points\r\n"
                                "MacroFile=\r\n"
                                "\r\n";

// A console whose quillo.ini holds the given bytes, read as at start-up.
struct ReadConsole : TestConsole
{
    explicit ReadConsole(const QByteArray& ini)
    {
        WriteBytes(Path(u"quillo.ini"_s), ini);
        ok = SetDefaults(console);
    }
    bool ok = false;
};

} // namespace

TEST(SettingsFile, DefaultsWithoutAFileAndTheirExactBytes)
{
    TestConsole t;
    Console& c = t.console;
    c.game.RoundState = RoundSayWager;
    c.game.PlayerCount = 2;
    c.game.HostName = u"Bob"_s;
    c.game.PlayerTable[150] = {u"Zed"_s, true, 5, 12, true};
    c.settings.Delay = SpeedMedium;
    c.settings.Call = u"hi"_s;
    c.settings.DayOfWeek = true;
    c.macros[9].Text = u"changed"_s;
    const int registrations = t.room.CountCalls(u"DapiRegister"_s);

    ASSERT_TRUE(SetDefaults(c));
    EXPECT_EQ(c.game.RoundState, RoundStart);
    EXPECT_EQ(c.game.PlayerCount, 0);
    EXPECT_EQ(c.game.HostName, u"Me"_s);
    EXPECT_TRUE(c.game.PlayerTable[150].Name.isEmpty());
    EXPECT_EQ(c.game.PlayerTable[150].Score, 0.0f);
    EXPECT_FALSE(c.game.PlayerTable[150].Drawn || c.game.PlayerTable[150].Higher);
    EXPECT_EQ(c.macros[9].Name, u"Call for Regs"_s);
    EXPECT_EQ(c.macros[9].Text,
              u"To register ESP a %reg% to %host%, if you haven't done it yet."_s);
    EXPECT_EQ(t.room.CountCalls(u"DapiRegister"_s), registrations + 1);
    EXPECT_EQ(c.settings.LogFile, LogFilePath(t.folder.path()));
    EXPECT_EQ(c.settings.PlayersFile, PlayersFilePath(t.folder.path()));
    EXPECT_EQ(c.settings.MonthlyFile, MonthlyFilePath(t.folder.path(), QDate(2003, 3, 1), false));
    EXPECT_FALSE(QFile::exists(t.Path(u"quillo.ini"_s))); // reading never creates it
    EXPECT_TRUE(t.toolkit.Boxes.isEmpty());

    ASSERT_TRUE(SaveSettings(c)); // the fake window stands at 1440, 1080 twips
    EXPECT_EQ(ReadBytes(t.Path(u"quillo.ini"_s)), DefaultsFile);
}

TEST(SettingsFile, WrittenFileReadsBackEveryValue)
{
    TestConsole writer;
    Settings& s = writer.console.settings;
    WriteBytes(writer.Path(u"my macros.txt"_s),
               "[Macro 1]\r\nHi\r\nHello all\r\n\r\n[end]\r\n\r\n");
    s.Delay = SpeedSlow;
    s.OnTop = true;
    s.RegChar = u"±"_s;
    s.Start = -7;
    s.Confirm = false;
    s.Points = true;
    s.DayOfWeek = true;
    s.Call = u"¤ %player% ¤ chosen"_s;
    s.WTG = u"wtg=yes"_s;
    s.Lose = u"   lost  "_s;
    s.Push = QString();
    s.MacroFile = writer.Path(u"my macros.txt"_s);
    ASSERT_TRUE(WriteSettings(writer.console, 2000, -300));
    EXPECT_TRUE(ReadBytes(writer.Path(u"quillo.ini"_s)).contains("RegChar=\xB1\r\nStart=-7 \r\n"));

    TestConsole reader;
    reader.console.programFolder = writer.folder.path();
    ASSERT_TRUE(SetDefaults(reader.console));
    const Settings& r = reader.console.settings;
    EXPECT_EQ(r.Delay, SpeedSlow);
    EXPECT_EQ(r.Left, 2000);
    EXPECT_EQ(r.Top, -300);
    EXPECT_TRUE(r.OnTop);
    EXPECT_EQ(r.RegChar, u"±"_s);
    EXPECT_EQ(r.Start, -7);
    EXPECT_FALSE(r.Confirm);
    EXPECT_TRUE(r.Points);
    EXPECT_TRUE(r.DayOfWeek);
    EXPECT_EQ(r.Call, s.Call);
    EXPECT_EQ(r.WTG, s.WTG);
    EXPECT_EQ(r.Lose, s.Lose);
    EXPECT_EQ(r.Push, s.Push);
    EXPECT_EQ(r.MacroFile, s.MacroFile);
    EXPECT_EQ(reader.console.macros[1].Text, u"Hello all\r\n"_s); // loaded while reading
    EXPECT_EQ(r.MonthlyFile, MonthlyFilePath(writer.folder.path(), QDate(2003, 3, 1), true));
    EXPECT_TRUE(reader.toolkit.Boxes.isEmpty());
}

TEST(SettingsFile, HeadersAndKeysMatchByTheirFirstLettersInAnyCase)
{
    ReadConsole t("Delay=3\r\n"   // outside any section: skipped
                  "[settings\r\n" // too short for a header
                  "Start=4\r\n"
                  "\r\n"
                  "[SETTINGS] and more\r\n"
                  "DELAY= 2 \r\n"
                  "Start=2.5\r\n"
                  "callback=xyz\r\n" // spells "call"; the b is the skipped character
                  "Pushy!hello\r\n"
                  "REGCHAR=#%\r\n"
                  "OnTop=tRuE\r\n"
                  "Confirm= 0 \r\n"
                  "Points=-1\r\n"
                  "DayOfWeek=FALSE\r\n"
                  "Left=1e3\r\n"
                  "Top=3.5\r\n"
                  "whatever=1\r\n"
                  "\r\n"
                  "between sections\r\n"
                  "[Settings]\r\n"
                  "Delay=1\r\n"
                  "WTG==double\r\n"
                  "\r\n");
    ASSERT_TRUE(t.ok);
    const Settings& s = t.console.settings;
    EXPECT_EQ(s.Delay, SpeedFast); // a key given again keeps its last value
    EXPECT_EQ(s.Start, 2);         // halves go to the even neighbour
    EXPECT_EQ(s.Top, 4);
    EXPECT_EQ(s.Left, 1000);
    EXPECT_EQ(s.Call, u"ack=xyz"_s);
    EXPECT_EQ(s.Push, u"!hello"_s);
    EXPECT_EQ(s.RegChar, u"#"_s);
    EXPECT_TRUE(s.OnTop);
    EXPECT_FALSE(s.Confirm);
    EXPECT_TRUE(s.Points);
    EXPECT_FALSE(s.DayOfWeek);
    EXPECT_EQ(s.WTG, u"=double"_s);
    EXPECT_TRUE(t.toolkit.Boxes.isEmpty());

    ReadConsole empty("[Settings]\nRegChar=\nCall=bare line feeds\n\n");
    ASSERT_TRUE(empty.ok);
    EXPECT_EQ(empty.console.settings.RegChar, QString());
    EXPECT_EQ(empty.console.settings.Call, u"bare line feeds"_s);
}

TEST(SettingsFile, UnreadableFileEndsStartUpWithProgramExiting)
{
    const struct
    {
        QByteArray ini;
        QString text;
    } cases[] = {
        {"[Settings]\r\nDelay=abc\r\n\r\n", u"Invalid value\n2001\nError with file quillo.ini"_s},
        {"[Settings]\r\nStart=\r\n\r\n", u"Invalid value\n2001\nError with file quillo.ini"_s},
        {"[Settings]\r\nOnTop=yes\r\n\r\n", u"Invalid value\n2001\nError with file quillo.ini"_s},
        {"[Settings]\r\nDelay =1\r\n\r\n", u"Invalid value\n2001\nError with file quillo.ini"_s},
        {"[Settings]\r\nLeft=40000\r\n\r\n",
         u"Value out of range\n2002\nError with file quillo.ini"_s},
        {"[Settings]\r\nDelay=1\r\n",
         u"Input past end of file\n2003\nError with file quillo.ini"_s},
    };
    for (const auto& c : cases) {
        ReadConsole t(c.ini);
        EXPECT_FALSE(t.ok) << c.ini.constData();
        ASSERT_EQ(t.toolkit.Boxes.size(), 1) << c.ini.constData();
        EXPECT_EQ(t.toolkit.Boxes[0].Title, u"Program Exiting"_s);
        EXPECT_EQ(t.toolkit.Boxes[0].Text, c.text);
        EXPECT_TRUE(t.console.settings.LogFile.isEmpty());    // start-up went no further
        EXPECT_EQ(ReadBytes(t.Path(u"quillo.ini"_s)), c.ini); // left for the host to mend
    }

    TestConsole folder; // a folder where the file should be: the system's reason
    ASSERT_TRUE(QDir(folder.folder.path()).mkdir(u"quillo.ini"_s));
    EXPECT_FALSE(SetDefaults(folder.console));
    ASSERT_EQ(folder.toolkit.Boxes.size(), 1);
    EXPECT_EQ(folder.toolkit.Boxes[0].Title, u"Program Exiting"_s);
    const QStringList lines = folder.toolkit.Boxes[0].Text.split(u'\n');
    ASSERT_EQ(lines.size(), 3);
    EXPECT_FALSE(lines[0].isEmpty());
    EXPECT_GT(lines[1].toInt(), 0);
    EXPECT_EQ(lines[2], u"Error with file quillo.ini"_s);
}

TEST(SettingsFile, AMacroFileFaultIsShownAndTheSettingsReadingGoesOn)
{
    TestConsole t;
    const QString missing = t.Path(u"gone.txt"_s);
    WriteBytes(t.Path(u"quillo.ini"_s),
               "[Settings]\r\nMacroFile=" + ToCp1252(missing) + "\r\nDelay=2\r\n\r\n");
    ASSERT_TRUE(SetDefaults(t.console));
    EXPECT_EQ(t.console.settings.Delay, SpeedMedium);
    EXPECT_EQ(t.console.settings.MacroFile, missing);
    ASSERT_EQ(t.toolkit.Boxes.size(), 1);
    EXPECT_EQ(t.toolkit.Boxes[0].Title, u"Problem with Macro File"_s);
}

TEST(SettingsFile, AFailedWriteIsShownAndLeavesTheOldFileWhole)
{
    TestConsole t;
    WriteBytes(t.Path(u"quillo.ini"_s), DefaultsFile);
    t.console.settings.Call = QString(400, u'x'); // longer than the file may grow
    {
        FileSizeLimit limit(DefaultsFile.size() + 100);
        if (!limit.Active())
            GTEST_SKIP() << "no file size limit on this system";
        EXPECT_FALSE(WriteSettings(t.console, 1440, 1080));
    }
    EXPECT_EQ(ReadBytes(t.Path(u"quillo.ini"_s)), DefaultsFile);
    EXPECT_EQ(QDir(t.folder.path()).entryList(QDir::Files), QStringList{u"quillo.ini"_s});
    ASSERT_EQ(t.toolkit.Boxes.size(), 1);
    EXPECT_EQ(t.toolkit.Boxes[0].Title, u"Program Error"_s);
#ifdef Q_OS_LINUX
    EXPECT_TRUE(t.toolkit.Boxes[0].Text.startsWith(u"File too large\n27\n"_s));
#endif
    EXPECT_TRUE(t.toolkit.Boxes[0].Text.endsWith(u"\nError with file "_s +
                                                 SettingsFilePath(t.folder.path())));

    // A program folder that cannot hold files: reported, the program keeps running.
    TestConsole blocked;
    WriteBytes(blocked.Path(u"file"_s), "x");
    blocked.console.programFolder = blocked.Path(u"file"_s);
    EXPECT_FALSE(SaveSettings(blocked.console));
    ASSERT_EQ(blocked.toolkit.Boxes.size(), 1);
    EXPECT_EQ(blocked.toolkit.Boxes[0].Title, u"Program Error"_s);
}

TEST(SettingsFile, WindowFarOutIsKeptWithinWhatTheFileCanReadBack)
{
    TestConsole t;
    ASSERT_TRUE(WriteSettings(t.console, 40000, -40000));
    const QByteArray bytes = ReadBytes(t.Path(u"quillo.ini"_s));
    EXPECT_TRUE(bytes.contains("\r\nLeft= 32767 \r\nTop=-32768 \r\n")) << bytes.constData();
    ASSERT_TRUE(SetDefaults(t.console));
    EXPECT_EQ(t.console.settings.Left, 32767);
    EXPECT_EQ(t.console.settings.Top, -32768);
}

TEST(SettingsFile, DealingIsKeptOnlyWhenOnAndItsLinesOnlyWhenChanged)
{
    TestConsole t;
    Settings& s = t.console.settings;
    const QString ini = t.Path(u"quillo.ini"_s);
    s.DealCards = true;
    ASSERT_TRUE(WriteSettings(t.console, 1440, 1080));
    QByteArray on = DefaultsFile;
    on.insert(on.size() - 2, "DealCards=True\r\n");
    EXPECT_EQ(ReadBytes(ini), on);

    s.DealReveal = u"Deck: %deck%"_s;
    ASSERT_TRUE(WriteSettings(t.console, 1440, 1080));
    ReadConsole back(ReadBytes(ini));
    ASSERT_TRUE(back.ok);
    EXPECT_TRUE(back.console.settings.DealCards);
    EXPECT_EQ(back.console.settings.DealReveal, u"Deck: %deck%"_s);
    EXPECT_EQ(back.console.settings.DealCommit, Settings{}.DealCommit);

    // Off again, and the messages back to their defaults: the file older versions wrote.
    s = Settings{};
    ASSERT_TRUE(WriteSettings(t.console, 1440, 1080));
    EXPECT_EQ(ReadBytes(ini), DefaultsFile);
}
