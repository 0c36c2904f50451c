#include "console/MonthlyPoints.h"
#include "support/FileBytes.h"
#include "support/TestConsole.h"
#include "text/Cp1252.h"

#include <QDir>
#include <QLocale>

#include <gtest/gtest.h>

#include <csignal>
#include <string>

#include <sys/resource.h>

using namespace Qt::StringLiterals;

namespace {

struct MonthlyConsole : TestConsole
{
    MonthlyConsole()
    {
        console.settings.MonthlyFile = Path(u"QOPMarch03.txt"_s);
        console.settings.Delay = SpeedFast;
    }

    void addPlayer(const QString& name, float score)
    {
        GameState& g = console.game;
        ++g.PlayerCount;
        g.PlayerTable[g.PlayerCount].Name = name;
        g.PlayerTable[g.PlayerCount].Score = score;
    }

    std::string month() const
    {
        return ReadBytes(console.settings.MonthlyFile).toStdString();
    }
};

// Caps the size of files this process writes, as a full disk would.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &old_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }

private:
    rlimit old_{};
    void (*oldHandler_)(int) = nullptr;
};

} // namespace

TEST(MonthlyPoints, SavingWithoutAFileWritesThePositiveScoresHighestFirst)
{
    MonthlyConsole t;
    t.addPlayer(u"Ann"_s, 5);
    t.addPlayer(u"Bob"_s, 0);
    t.addPlayer(u"Cy"_s, 40);
    t.addPlayer(u"Dee"_s, -3);
    EXPECT_TRUE(SaveTodaysPoints(t.console));
    EXPECT_EQ(t.month(), "[Monthly]\r\nCy= 40 \r\nAnn= 5 \r\n");
    EXPECT_TRUE(t.toolkit.Boxes.isEmpty());
    EXPECT_EQ(t.console.game.PlayerTable[3].Score, 40.0f); // the roster is only read
}

TEST(MonthlyPoints, SavingAddsToListedPlayersAndAppendsNewOnesByExactName)
{
    MonthlyConsole t;
    ASSERT_TRUE(WriteBytes(t.console.settings.MonthlyFile,
                           "[Monthly]\r\nAnn= 25 \r\nann= 3 \r\nZed= 2 \r\n"));
    t.addPlayer(u"Ann"_s, 12);
    t.addPlayer(u"Dan"_s, 10);
    t.addPlayer(u"ZED"_s, 1);
    t.addPlayer(u"Zed"_s, 0); // listed: counted even with 0
    EXPECT_TRUE(SaveTodaysPoints(t.console));
    EXPECT_EQ(t.month(), "[Monthly]\r\nAnn= 37 \r\nDan= 10 \r\nann= 3 \r\nZed= 2 \r\nZED= 1 \r\n");

    // Saving again adds the roster a second time.
    EXPECT_TRUE(SaveTodaysPoints(t.console));
    EXPECT_EQ(t.month(), "[Monthly]\r\nAnn= 49 \r\nDan= 20 \r\nann= 3 \r\nZed= 2 \r\nZED= 2 \r\n");
}

TEST(MonthlyPoints, FractionalScoresRoundHalvesToEven)
{
    MonthlyConsole t;
    ASSERT_TRUE(WriteBytes(t.console.settings.MonthlyFile, "[Monthly]\r\nOld= 25 \r\n"));
    t.addPlayer(u"Half"_s, 12.5f);
    t.addPlayer(u"Odd"_s, 13.5f);
    t.addPlayer(u"Old"_s, 0.5f);  // 25.5 rounds to 26
    t.addPlayer(u"Tiny"_s, 0.4f); // above 0 but rounds to 0: not written
    EXPECT_TRUE(SaveTodaysPoints(t.console));
    EXPECT_EQ(t.month(), "[Monthly]\r\nOld= 26 \r\nOdd= 14 \r\nHalf= 12 \r\n");
}

TEST(MonthlyPoints, NonPositiveTotalsAreDroppedUnlessLiftedAboveZero)
{
    MonthlyConsole t;
    ASSERT_TRUE(WriteBytes(t.console.settings.MonthlyFile,
                           "[Monthly]\nGone= 0 \nNeg=-4\r\nLifted=-2 \r\nKept= 7 \r\n"));
    t.addPlayer(u"Lifted"_s, 5);
    EXPECT_TRUE(SaveTodaysPoints(t.console));
    EXPECT_EQ(t.month(), "[Monthly]\r\nKept= 7 \r\nLifted= 3 \r\n");
}

TEST(MonthlyPoints, ANameHoldingAnEqualsSignSurvivesSaveAndList)
{
    MonthlyConsole t;
    t.addPlayer(u"A=B"_s, 8);
    t.addPlayer(u"Ünal"_s, 4); // 8-bit names go through the file untouched
    ASSERT_TRUE(SaveTodaysPoints(t.console));
    EXPECT_EQ(t.month(), "[Monthly]\r\nA=B= 8 \r\n\xDCnal= 4 \r\n");
    ASSERT_TRUE(SaveTodaysPoints(t.console));
    EXPECT_EQ(t.month(), "[Monthly]\r\nA=B= 16 \r\n\xDCnal= 8 \r\n");
    EXPECT_TRUE(t.toolkit.Boxes.isEmpty());

    ListMonthlyPoints(t.console, t.console.settings.MonthlyFile);
    EXPECT_TRUE(t.room.SaidLines().contains(u"A=B -- 16 points"_s));
    EXPECT_TRUE(t.room.SaidLines().contains(u"Ünal -- 8 points"_s));
}

TEST(MonthlyPoints, SaveRefusesTotalsBeyondSixteenBitsAndA151stNameLeavingTheFile)
{
    MonthlyConsole t;
    const QByteArray before = "[Monthly]\r\nAnn= 32760 \r\n";
    ASSERT_TRUE(WriteBytes(t.console.settings.MonthlyFile, before));
    t.addPlayer(u"Ann"_s, 8);
    EXPECT_FALSE(SaveTodaysPoints(t.console));
    EXPECT_EQ(t.month(), before.toStdString());
    ASSERT_EQ(t.toolkit.Boxes.size(), 1);
    EXPECT_EQ(t.toolkit.Boxes[0].Title, u"Points File Error"_s);
    EXPECT_TRUE(t.toolkit.Boxes[0].Text.endsWith(u"\nError with file: "_s +
                                                 t.console.settings.MonthlyFile));

    QByteArray full = "[Monthly]\r\n";
    for (int i = 0; i < 150; ++i)
        full += "P" + QByteArray::number(i) + "= 1 \r\n";
    ASSERT_TRUE(WriteBytes(t.console.settings.MonthlyFile, full));
    t.console.game.PlayerTable[1].Name = u"Newcomer"_s;
    EXPECT_FALSE(SaveTodaysPoints(t.console));
    EXPECT_EQ(t.month(), full.toStdString());
    EXPECT_EQ(t.toolkit.Boxes.size(), 2);

    t.console.game.PlayerTable[1].Name = u"P3"_s; // a listed player still fits
    EXPECT_TRUE(SaveTodaysPoints(t.console));
    EXPECT_EQ(t.month().substr(0, 19), "[Monthly]\r\nP3= 9 \r\n");
}

TEST(MonthlyPoints, SaveStopsOnAFileItCannotReadOrAValueThatDoesNotConvert)
{
    MonthlyConsole t;
    t.addPlayer(u"Ann"_s, 5);
    for (const QByteArray& bad :
         {QByteArray("[Monthly]\r\nBob= x12 \r\n"), QByteArray("[Monthly]\r\nBob= 40000 \r\n"),
          QByteArray("[Monthly]\r\nBob=\r\n")}) {
        ASSERT_TRUE(WriteBytes(t.console.settings.MonthlyFile, bad));
        t.toolkit.Boxes.clear();
        EXPECT_FALSE(SaveTodaysPoints(t.console)) << bad.constData();
        EXPECT_EQ(t.month(), bad.toStdString());
        ASSERT_EQ(t.toolkit.Boxes.size(), 1);
        EXPECT_EQ(t.toolkit.Boxes[0].Title, u"Points File Error"_s);
    }

    // A folder where the file should be cannot be read.
    QDir(t.folder.path()).mkdir(u"QOPApril03.txt"_s);
    t.console.settings.MonthlyFile = t.Path(u"QOPApril03.txt"_s);
    t.toolkit.Boxes.clear();
    EXPECT_FALSE(SaveTodaysPoints(t.console));
    ASSERT_EQ(t.toolkit.Boxes.size(), 1);
    const QStringList parts = t.toolkit.Boxes[0].Text.split(u'\n');
    ASSERT_EQ(parts.size(), 3);
    EXPECT_FALSE(parts[0].isEmpty());
    EXPECT_EQ(parts[2], u"Error with file: "_s + t.console.settings.MonthlyFile);
}

TEST(MonthlyPoints, AFailedWriteLeavesTheOldTotalsWhole)
{
    MonthlyConsole t;
    const QByteArray before = "[Monthly]\r\nAnn= 25 \r\n";
    ASSERT_TRUE(WriteBytes(t.console.settings.MonthlyFile, before));
    t.addPlayer(u"Ann"_s, 12);
    t.addPlayer(u"Dan"_s, 10);
    {
        // The disk "fills up" after a few bytes of the new file.
        FileSizeLimit limit(12);
        EXPECT_FALSE(SaveTodaysPoints(t.console));
    }
    EXPECT_EQ(t.month(), before.toStdString());
    ASSERT_EQ(t.toolkit.Boxes.size(), 1);
    EXPECT_EQ(t.toolkit.Boxes[0].Title, u"Points File Error"_s);
    EXPECT_TRUE(t.toolkit.Boxes[0].Text.endsWith(u"\nError with file: "_s +
                                                 t.console.settings.MonthlyFile));
    EXPECT_EQ(QDir(t.folder.path()).entryList(QDir::Files).size(), 1); // no leftovers
}

TEST(MonthlyPoints, ListingSaysTheLeaderLastWithGroupedDigitsAndAPauseAfterEachLine)
{
    MonthlyConsole t;
    ASSERT_TRUE(WriteBytes(t.console.settings.MonthlyFile,
                           "[Monthly]\r\nAnn= 25 \r\nBob= 1250 \r\nCy= 4 \r\nNil= 0 \r\n"));
    mnuMThis_Click(t.console);
    const QString sep = QLocale::system().groupSeparator();
    const QStringList expected = {u"---  Monthly Points  ---"_s,
                                  u"--o--o--o--o--o--o--o--o--"_s,
                                  u"Cy -- 4 points"_s,
                                  u"Ann -- 25 points"_s,
                                  u"Bob -- 1"_s + sep + u"250 points"_s,
                                  u"--o--o--o--o--o--o--o--o--"_s};
    EXPECT_EQ(t.room.SaidLines(), expected);
    EXPECT_EQ(t.toolkit.Pauses, QList<int>(6, 3));
    EXPECT_FALSE(t.toolkit.Hourglass);
    EXPECT_TRUE(t.console.controls.mnuFile.Enabled);
}

TEST(MonthlyPoints, EqualTotalsAreSaidInTheOrderTheExchangeSortLeaves)
{
    MonthlyConsole t;
    ASSERT_TRUE(WriteBytes(t.console.settings.MonthlyFile,
                           "[Monthly]\r\nAnn= 5 \r\nBob= 5 \r\nCy= 1 \r\n"));
    ListMonthlyPoints(t.console, t.console.settings.MonthlyFile);
    const QStringList said = t.room.SaidLines().mid(2, 3);
    EXPECT_EQ(said, (QStringList{u"Cy -- 1 points"_s, u"Bob -- 5 points"_s, u"Ann -- 5 points"_s}));
}

TEST(MonthlyPoints, ListingEmptyMissingAndNonPositiveMonths)
{
    MonthlyConsole t;
    // Missing: a box naming the path, nothing said.
    const QString missing = t.Path(u"QOPMay03.txt"_s);
    ListMonthlyPoints(t.console, missing);
    ASSERT_EQ(t.toolkit.Boxes.size(), 1);
    EXPECT_EQ(t.toolkit.Boxes[0].Title, u"Points File Error"_s);
    EXPECT_TRUE(t.toolkit.Boxes[0].Text.endsWith(u"\nError with points file: "_s + missing));
    EXPECT_TRUE(t.room.SaidLines().isEmpty());

    ASSERT_TRUE(WriteBytes(t.console.settings.MonthlyFile, "[Monthly]\r\n"));
    ListMonthlyPoints(t.console, t.console.settings.MonthlyFile);
    EXPECT_EQ(t.room.SaidLines(), QStringList{u"---  No Monthly Points  ---"_s});

    ASSERT_TRUE(WriteBytes(t.console.settings.MonthlyFile, "[Monthly]\r\nAnn= 0 \r\nBob=-2 \r\n"));
    ListMonthlyPoints(t.console, t.console.settings.MonthlyFile);
    EXPECT_EQ(t.room.SaidLines().mid(1),
              (QStringList{u"---  Monthly Points  ---"_s, u"--o--o--o--o--o--o--o--o--"_s,
                           u"--o--o--o--o--o--o--o--o--"_s}));
    EXPECT_EQ(t.toolkit.Boxes.size(), 1);
}

TEST(MonthlyPoints, ListOtherMonthAsksForAFileAndCancellingSaysNothing)
{
    MonthlyConsole t;
    ASSERT_TRUE(WriteBytes(t.Path(u"QOPFebruary03.txt"_s), "[Monthly]\r\nAnn= 2 \r\n"));
    mnuMOther_Click(t.console); // cancelled
    EXPECT_EQ(t.toolkit.FileFilters, QStringList{u"Points (*.TXT)|QOP*.txt|All Files (*.*)|*.*"_s});
    EXPECT_TRUE(t.room.SaidLines().isEmpty());
    EXPECT_TRUE(t.toolkit.Boxes.isEmpty());
    EXPECT_FALSE(t.toolkit.Hourglass);

    t.toolkit.QueueFileName(t.Path(u"QOPFebruary03.txt"_s));
    mnuMOther_Click(t.console);
    EXPECT_TRUE(t.room.SaidLines().contains(u"Ann -- 2 points"_s));
    EXPECT_FALSE(t.toolkit.Hourglass);
}

TEST(MonthlyPoints, SaveMenuRunsUnderTheBusyLockAndSaysNothing)
{
    MonthlyConsole t;
    t.addPlayer(u"Ann"_s, 5);
    mnuMSave_Click(t.console);
    EXPECT_EQ(t.month(), "[Monthly]\r\nAnn= 5 \r\n");
    EXPECT_TRUE(t.room.SaidLines().isEmpty());
    EXPECT_TRUE(t.toolkit.Pauses.isEmpty());
    EXPECT_EQ(t.toolkit.HourglassChanges, 2);
    EXPECT_TRUE(t.console.controls.mnuFile.Enabled);
}

TEST(MonthlyPoints, ModeItemsToggleTheFeatureAndNameTodaysFile)
{
    TestConsole t;
    Settings& s = t.console.settings;
    ConsoleState& c = t.console.controls;
    s.MonthlyFile = u"unchanged"_s;
    const QString march =
        QDir(t.folder.path()).filePath(u"QOP"_s + QLocale::system().monthName(3) + u"03.txt"_s);

    mnuMonthlyAll_Click(t.console); // off -> All Games
    EXPECT_TRUE(s.Points);
    EXPECT_FALSE(s.DayOfWeek);
    EXPECT_TRUE(c.mnuMonthlyAll.Checked);
    EXPECT_FALSE(c.mnuMonthlyDOW.Checked);
    EXPECT_TRUE(c.mnuList.Enabled);
    EXPECT_EQ(s.MonthlyFile, march);

    mnuMonthlyAll_Click(t.console); // checked again -> off, file kept
    EXPECT_FALSE(s.Points);
    EXPECT_FALSE(c.mnuMonthlyAll.Checked || c.mnuMonthlyDOW.Checked);
    EXPECT_FALSE(c.mnuList.Enabled);
    EXPECT_EQ(s.MonthlyFile, march);

    // Day-of-Week takes the date of the moment it is chosen.
    t.clock.Set(QDateTime(QDate(2003, 4, 6), QTime(10, 0)));
    mnuMonthlyDOW_Click(t.console);
    EXPECT_TRUE(s.Points && s.DayOfWeek);
    EXPECT_TRUE(c.mnuMonthlyDOW.Checked);
    EXPECT_FALSE(c.mnuMonthlyAll.Checked);
    EXPECT_TRUE(c.mnuList.Enabled);
    EXPECT_EQ(s.MonthlyFile,
              QDir(t.folder.path())
                  .filePath(u"QOP04"_s + QLocale::system().dayName(7, QLocale::ShortFormat) +
                            u"03.txt"_s));

    mnuMonthlyAll_Click(t.console); // the other item switches modes
    EXPECT_TRUE(s.Points);
    EXPECT_FALSE(s.DayOfWeek);
    EXPECT_TRUE(c.mnuMonthlyAll.Checked);
    EXPECT_FALSE(c.mnuMonthlyDOW.Checked);
    EXPECT_TRUE(s.MonthlyFile.endsWith(QLocale::system().monthName(4) + u"03.txt"_s));

    mnuMonthlyDOW_Click(t.console);
    mnuMonthlyDOW_Click(t.console); // checked again -> off
    EXPECT_FALSE(s.Points || s.DayOfWeek);
    EXPECT_FALSE(c.mnuMonthlyAll.Checked || c.mnuMonthlyDOW.Checked);
    EXPECT_FALSE(c.mnuList.Enabled);
}
