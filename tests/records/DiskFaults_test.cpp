#include "console/MacroFile.h"
#include "console/MonthlyPoints.h"
#include "console/Roster.h"
#include "console/SettingsFile.h"
#include "records/RecordPaths.h"
#include "support/ScratchDisk.h"
#include "support/TestConsole.h"
#include "text/Cp1252.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// A console whose program folder and record files lie in the given folder.
struct DiskConsole : TestConsole
{
    explicit DiskConsole(const QString& where)
    {
        console.programFolder = where;
        console.settings.MacroFile = QDir(where).filePath(u"macros.txt"_s);
        console.settings.MonthlyFile = QDir(where).filePath(u"QOPMarch03.txt"_s);
        console.settings.PlayersFile = PlayersFilePath(where);
        console.game.PlayerCapacity = MaxPlayers;
        console.settings.Confirm = false;
    }

    QString settingsFile() const
    {
        return SettingsFilePath(console.programFolder);
    }

    void setScore(const QString& name, float score)
    {
        GameState& g = console.game;
        g.PlayerCount = 1;
        g.PlayerTable[1] = PlayerRecord{name, false, 0.0f, score, false};
    }

    // Settings, macros and the month saved with values that tell one save from another.
    bool saveAll(std::int16_t delay, const QString& macroText, float score)
    {
        console.settings.Delay = delay;
        console.macros[1] = {u"Hello"_s, macroText};
        setScore(u"Ann"_s, score);
        const bool settings = WriteSettings(console, 1440, 1080);
        const bool macros = SaveMacros(console);
        const bool points = SaveTodaysPoints(console);
        return settings && macros && points;
    }

    QList<QByteArray> files() const
    {
        return {readBytes(settingsFile()), readBytes(console.settings.MacroFile),
                readBytes(console.settings.MonthlyFile)};
    }

    // The three failure boxes of saveAll, each naming its file.
    void expectSaveFailuresShown() const
    {
        ASSERT_EQ(toolkit.Boxes.size(), 3);
        EXPECT_EQ(toolkit.Boxes[0].Title, u"Program Error"_s);
        EXPECT_TRUE(toolkit.Boxes[0].Text.endsWith(u"\nError with file "_s + settingsFile()));
        EXPECT_EQ(toolkit.Boxes[1].Title, u"Program Error"_s);
        EXPECT_TRUE(
            toolkit.Boxes[1].Text.endsWith(u"\nError with file "_s + console.settings.MacroFile));
        EXPECT_EQ(toolkit.Boxes[2].Title, u"Points File Error"_s);
        EXPECT_TRUE(toolkit.Boxes[2].Text.endsWith(u"\nError with file: "_s +
                                                   console.settings.MonthlyFile));
        for (const FakeToolkit::Box& box : toolkit.Boxes)
            EXPECT_EQ(box.Text.count(u'\n'), 2) << box.Text.toStdString();
    }
};

} // namespace

TEST(DiskFaults, AReadOnlyFolderKeepsEveryFileWholeAndEachSaveIsShown)
{
    ScratchDisk disk;
    if (!disk.Mounted())
        GTEST_SKIP() << "no right to mount a scratch disk here";
    DiskConsole t(disk.Path());
    ASSERT_TRUE(t.saveAll(3, u"first"_s, 10.0f));
    const QList<QByteArray> before = t.files();
    ASSERT_TRUE(before[1].contains("first"));

    ASSERT_TRUE(disk.SetReadOnly(true));
    EXPECT_FALSE(t.saveAll(7, u"second"_s, 5.0f));
    t.expectSaveFailuresShown();
    EXPECT_EQ(t.files(), before);

    // Registering still works in memory; only the players file entry is lost, and said so.
    t.toolkit.Boxes.clear();
    RegisterPlayer(t.console, u"Bob"_s);
    EXPECT_EQ(t.console.game.PlayerCount, 2);
    ASSERT_EQ(t.toolkit.Boxes.size(), 1);
    EXPECT_TRUE(
        t.toolkit.Boxes[0].Text.endsWith(u"\nError with file "_s + t.console.settings.PlayersFile));

    // The old files still read, and once the folder takes writes again so do the saves.
    DiskConsole reader(disk.Path());
    EXPECT_TRUE(SetDefaults(reader.console));
    EXPECT_EQ(reader.console.settings.Delay, SpeedSlow);
    ASSERT_TRUE(disk.SetReadOnly(false));
    t.toolkit.Boxes.clear();
    EXPECT_TRUE(t.saveAll(7, u"second"_s, 5.0f));
    EXPECT_TRUE(t.toolkit.Boxes.isEmpty());
    EXPECT_TRUE(readBytes(t.console.settings.MacroFile).contains("second"));
    EXPECT_TRUE(readBytes(t.console.settings.MonthlyFile).contains("Ann= 15 "));
}

TEST(DiskFaults, AFullDiskKeepsEveryFileWholeAndSavingResumesWhenThereIsRoom)
{
    ScratchDisk disk(64 * 1024);
    if (!disk.Mounted())
        GTEST_SKIP() << "no right to mount a scratch disk here";
    DiskConsole t(disk.Path());
    ASSERT_TRUE(t.saveAll(3, u"first"_s, 10.0f));
    const QList<QByteArray> before = t.files();

    disk.Fill();
    // Longer texts than before, so not even a file the size of the old one would do.
    EXPECT_FALSE(t.saveAll(7, QString(3000, u'x'), 5.0f));
    t.expectSaveFailuresShown();
    EXPECT_EQ(t.files(), before);
    EXPECT_EQ(QDir(disk.Path()).entryList(QDir::Files).size(), 4) << "no temporary file left";

    disk.Empty();
    t.toolkit.Boxes.clear();
    EXPECT_TRUE(t.saveAll(7, QString(3000, u'x'), 5.0f));
    EXPECT_TRUE(t.toolkit.Boxes.isEmpty());
    EXPECT_TRUE(readBytes(t.console.settings.MonthlyFile).contains("Ann= 15 "));
}

TEST(DiskFaults, FilesThatVanishBetweenRunsAreRebuiltOrReportedAsEachOneSays)
{
    TestConsole home;
    const QString folder = home.folder.path();
    {
        DiskConsole first(folder);
        ASSERT_TRUE(first.saveAll(3, u"first"_s, 10.0f));
    }
    const QString macros = QDir(folder).filePath(u"macros.txt"_s);
    const QString month = QDir(folder).filePath(u"QOPMarch03.txt"_s);
    ASSERT_TRUE(QFile::remove(macros));
    ASSERT_TRUE(QFile::remove(month));

    // The settings still read; the missing macro file is reported and the built-ins stand.
    DiskConsole second(folder);
    second.console.settings.MacroFile.clear();
    ASSERT_TRUE(SetDefaults(second.console));
    EXPECT_EQ(second.console.settings.Delay, SpeedSlow);
    ASSERT_EQ(second.toolkit.Boxes.size(), 1);
    EXPECT_EQ(second.toolkit.Boxes[0].Title, u"Problem with Macro File"_s);
    EXPECT_TRUE(second.toolkit.Boxes[0].Text.startsWith(u"Error = "_s));
    EXPECT_TRUE(second.toolkit.Boxes[0].Text.endsWith(u"\nProblem with Macro file.\n"_s + macros));
    EXPECT_EQ(second.console.macros[8].Name, u"Scores"_s);

    // Listing the vanished month is reported; saving starts the month afresh.
    second.toolkit.Boxes.clear();
    second.console.settings.MonthlyFile = month;
    ListMonthlyPoints(second.console, month);
    ASSERT_EQ(second.toolkit.Boxes.size(), 1);
    EXPECT_EQ(second.toolkit.Boxes[0].Title, u"Points File Error"_s);
    EXPECT_TRUE(second.toolkit.Boxes[0].Text.endsWith(u"\nError with points file: "_s + month));
    EXPECT_TRUE(second.room.SaidLines().isEmpty());
    second.setScore(u"Bob"_s, 4.0f);
    EXPECT_TRUE(SaveTodaysPoints(second.console));
    EXPECT_EQ(readBytes(month), "[Monthly]\r\nBob= 4 \r\n");

    // Without the settings file the next run starts from the defaults, silently.
    ASSERT_TRUE(QFile::remove(SettingsFilePath(folder)));
    DiskConsole third(folder);
    third.console.settings.MacroFile.clear();
    ASSERT_TRUE(SetDefaults(third.console));
    EXPECT_EQ(third.console.settings.Delay, SpeedVeryFast);
    EXPECT_TRUE(third.toolkit.Boxes.isEmpty());
}

TEST(DiskFaults, AProgramFolderRemovedWhileRunningIsReportedAndNothingElseBreaks)
{
    TestConsole home;
    const QString folder = QDir(home.folder.path()).filePath(u"program"_s);
    ASSERT_TRUE(QDir().mkpath(folder));
    DiskConsole t(folder);
    ASSERT_TRUE(t.saveAll(3, u"first"_s, 10.0f));
    ASSERT_TRUE(QDir(folder).removeRecursively());

    EXPECT_FALSE(WriteSettings(t.console, 0, 0));
    EXPECT_FALSE(SaveMacros(t.console)); // a missing folder is silent for the macro file
    EXPECT_FALSE(SaveTodaysPoints(t.console));
    ASSERT_EQ(t.toolkit.Boxes.size(), 2);
    EXPECT_EQ(t.toolkit.Boxes[0].Title, u"Program Error"_s);
    EXPECT_EQ(t.toolkit.Boxes[1].Title, u"Points File Error"_s);
    EXPECT_FALSE(QDir(folder).exists()) << "nothing recreates the folder behind the host's back";
}
