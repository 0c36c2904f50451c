#include "console/GameLog.h"
#include "records/AppendFile.h"
#include "records/GameLogFormat.h"
#include "records/RecordPaths.h"
#include "records/TextFile.h"
#include "support/FileBytes.h"
#include "support/TestConsole.h"
#include "support/WaitUntil.h"
#include "text/Cp1252.h"
#include "text/FixedLines.h"

#include <QDir>
#include <QFile>
#include <QLocale>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

bool englishNames()
{
    return QLocale::system().monthName(3) == u"March"_s &&
           QLocale::system().dayName(6) == u"Saturday"_s;
}

// A console whose record paths point into its fresh folder, with Bob as player 1.
struct LogConsole : TestConsole
{
    LogConsole()
    {
        Settings& s = console.settings;
        s.LogFile = LogFilePath(folder.path());
        s.PlayersFile = PlayersFilePath(folder.path());
        s.MonthlyFile = MonthlyFilePath(folder.path(), clock.Now().date(), false);
        console.game.GameStarted = clock.Now();
        console.game.HostName = u"Mira"_s;
        console.game.PlayerTable[1].Name = u"Bob"_s;
        console.game.PlayerCount = 1;
        console.game.CurrentPlayer = 1;
    }

    void result(float score, float wager, bool higher, const QString& previous,
                const QString& turned = {})
    {
        PlayerRecord& bob = console.game.PlayerTable[1];
        bob.Score = score;
        bob.Wager = wager;
        bob.Higher = higher;
        console.game.RoundState = RoundSayResults;
        WriteLog(console, previous, turned);
    }
};

} // namespace

TEST(GameLog, WholeGameIsWrittenByteForByte)
{
    if (!englishNames())
        GTEST_SKIP() << "the system language does not name March in English";
    LogConsole t;
    WriteBytes(t.console.settings.LogFile, "an old game\r\n");
    WriteBytes(t.console.settings.PlayersFile, "Old\r\n");

    StartGameLog(t.console);
    EXPECT_FALSE(QFile::exists(t.console.settings.PlayersFile));
    AppendPlayersFile(t.console, u"Bob"_s);
    t.console.game.RoundState = RoundDrawPlayer;
    WriteLog(t.console, {}, {});
    t.result(10, 5, true, u"5"_s);
    t.result(15, 15, false, u"9"_s);
    t.result(0, 15, false, u"9"_s, u"Q"_s);

    const QByteArray expected = ToCp1252(VersionLine()) + "\r\n" +
                                ToCp1252(t.console.settings.MonthlyFile) + "\r\n" +
                                "9:05pm, Saturday, March 1, 2003\r\n"
                                "Host=Mira\r\n"
                                "\r\n"
                                "+++++++++++++++++++++++++\r\n"
                                "Bob\r\n"
                                " 10    5  5      higher\r\n"
                                " 15    9  15     lower\r\n"
                                " 0     Q\r\n";
    EXPECT_EQ(ReadBytes(t.console.settings.LogFile), expected);
    EXPECT_EQ(static_cast<unsigned char>(expected[0]), 0xD7); // the sign is one 8-bit byte
    EXPECT_TRUE(t.console.settings.MonthlyFile.endsWith(QDir::separator() + u"QOPMarch03.txt"_s));
    EXPECT_EQ(ReadBytes(t.console.settings.PlayersFile), "Bob\r\n");
    EXPECT_TRUE(t.toolkit.Boxes.isEmpty());
}

TEST(GameLog, FieldsThatFitKeepTheirColumnsAndLongOnesStayOnOneLine)
{
    // Five-character numbers and a two-character card fill their columns exactly.
    EXPECT_EQ(WagerLine(12345, u"10"_s, 12345, true), u" 12345 10 12345  higher"_s);
    EXPECT_EQ(WagerLine(-5, u"A"_s, 2.5f, false), u"-5     A  2.5    lower"_s);
    // Too long: one blank after the field before, never a line break.
    EXPECT_EQ(WagerLine(1234567, u"10"_s, 5, true), u" 1234567  10  5  higher"_s);
    EXPECT_EQ(WagerLine(10, u"XYZ"_s, 1.5e9f, false), u" 10    XYZ  1.5E+09  lower"_s);
    EXPECT_EQ(ClosingLine(-12345.5f, u"Q"_s), u"-12345.5  Q"_s);

    LogConsole t;
    t.result(1234567, 250000, true, u"10"_s);
    EXPECT_EQ(ReadBytes(t.console.settings.LogFile), " 1234567  10  250000  higher\r\n");
}

TEST(GameLog, OtherStatesWriteNothingAndNamesKeepTheirBytes)
{
    LogConsole t;
    for (std::int16_t state : {RoundStart, RoundAskForWager, RoundSayWager, std::int16_t(5)}) {
        t.console.game.RoundState = state;
        WriteLog(t.console, u"5"_s, u"9"_s);
    }
    EXPECT_EQ(ReadBytes(t.console.settings.LogFile), QByteArray());

    const QString& players = t.console.settings.PlayersFile;
    AppendPlayersFile(t.console, u"Zoë"_s);
    AppendFile held(players);
    AppendPlayersFile(t.console, held, u"Al ±"_s);
    // Written at once, the disk sync left to the end of a Get Regs.
    EXPECT_EQ(ReadBytes(players), "Zo\xEB\r\nAl \xB1\r\n");
    // Let go, and removed meanwhile (a new game): the next line starts the file afresh, and a
    // sync after the file is gone again finds nothing to do.
    held.Close();
    QFile::remove(players);
    AppendPlayersFile(t.console, held, u"Cy"_s);
    EXPECT_EQ(ReadBytes(players), "Cy\r\n");
    SyncPlayersFile(t.console, held);
    AppendPlayersFile(t.console, held, u"Dee"_s);
    held.Close();
    QFile::remove(players);
    SyncPlayersFile(t.console, held);
    EXPECT_TRUE(t.toolkit.Boxes.isEmpty());
    EXPECT_TRUE(SyncTextFile(t.Path(u"missing.txt"_s)).has_value());
}

TEST(GameLog, FailuresAreShownAndTheGameGoesOn)
{
    LogConsole t;
    // A regular file where the folder should be: nothing under it can be created.
    WriteBytes(t.Path(u"blocked"_s), "x");
    t.console.settings.LogFile = t.Path(u"blocked/Quillo.log"_s);
    t.console.settings.PlayersFile = t.Path(u"blocked/QOPlayers.txt"_s);

    StartGameLog(t.console);
    t.console.game.RoundState = RoundDrawPlayer;
    WriteLog(t.console, {}, {});
    AppendPlayersFile(t.console, u"Bob"_s);
    AppendFile held(t.console.settings.PlayersFile);
    AppendPlayersFile(t.console, held, u"Cy"_s);
    SyncPlayersFile(t.console, held); // nothing was written: the failed lines said so already

    ASSERT_EQ(t.toolkit.Boxes.size(), 4);
    for (const auto& box : t.toolkit.Boxes)
        EXPECT_EQ(box.Title, u"Program Error"_s);
#ifdef Q_OS_LINUX
    EXPECT_EQ(t.toolkit.Boxes[0].Text,
              u"Not a directory\n20\nError with file "_s + t.console.settings.LogFile);
#endif
    EXPECT_TRUE(
        t.toolkit.Boxes[1].Text.endsWith(u"\nError with file "_s + t.console.settings.LogFile));
    EXPECT_TRUE(
        t.toolkit.Boxes[2].Text.endsWith(u"\nError with file "_s + t.console.settings.PlayersFile));

    // A folder in place of the log: the system's own reason and number.
    LogConsole u;
    ASSERT_TRUE(QDir(u.folder.path()).mkdir(u"Quillo.log"_s));
    u.console.game.RoundState = RoundDrawPlayer;
    WriteLog(u.console, {}, {});
    ASSERT_EQ(u.toolkit.Boxes.size(), 1);
    const QStringList lines = u.toolkit.Boxes[0].Text.split(u'\n');
    ASSERT_EQ(lines.size(), 3);
    EXPECT_FALSE(lines[0].isEmpty());
    bool numeric = false;
    lines[1].toInt(&numeric);
    EXPECT_TRUE(numeric) << lines[1].toStdString();

#ifdef Q_OS_LINUX
    // A sync the system refuses (a device that cannot sync) comes to the host from the event
    // loop, the scan having gone on without waiting for it.
    LogConsole v;
    v.console.diskSync.Start(u"/dev/null"_s);
    ASSERT_TRUE(WaitUntil([&] { return !v.toolkit.Boxes.isEmpty(); }));
    EXPECT_EQ(v.toolkit.Boxes[0].Text, u"Invalid argument\n22\nError with file /dev/null"_s);
#endif
}

TEST(GameLog, StartTimeReadsAsTheHostWouldSayIt)
{
    if (!englishNames())
        GTEST_SKIP() << "the system language does not name days in English";
    const QDate day(2003, 3, 1);
    EXPECT_EQ(FormatGameStarted(QDateTime(day, QTime(21, 5))),
              u"9:05pm, Saturday, March 1, 2003"_s);
    EXPECT_EQ(FormatGameStarted(QDateTime(day, QTime(0, 30))),
              u"12:30am, Saturday, March 1, 2003"_s);
    EXPECT_EQ(FormatGameStarted(QDateTime(day, QTime(12, 0))),
              u"12:00pm, Saturday, March 1, 2003"_s);
    EXPECT_EQ(FormatGameStarted(QDateTime(QDate(2010, 12, 25), QTime(11, 59))),
              u"11:59am, Saturday, December 25, 2010"_s);
}
