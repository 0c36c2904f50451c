#include "console/Console.h"
#include "support/ScratchDisk.h"
#include "support/UiConsole.h"
#include "support/WaitUntil.h"
#include "ui/MainWindow.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QLockFile>
#include <QMenu>

#include <gtest/gtest.h>

#include <csignal>

using namespace Qt::StringLiterals;

namespace {

QStringList IniLines(const QStringList& keys)
{
    return QStringList{u"[Settings]"_s} + keys;
}

QStringList CheckedSpeeds(UiConsole& t)
{
    QStringList checked;
    for (const QString& name : {u"mnuVeryFast"_s, u"mnuFast"_s, u"mnuMedium"_s, u"mnuSlow"_s}) {
        if (t.Action(name)->isChecked())
            checked.append(name);
    }
    return checked;
}

} // namespace

TEST(Startup, ASecondConsoleInTheSameFolderIsRefusedAndTouchesNothing)
{
    UiConsole t;
    QLockFile first(t.Path(u"quillo.lock"_s));
    ASSERT_TRUE(first.tryLock(0));

    EXPECT_EQ(t.Start(), ConsoleSession::Outcome::AlreadyRunning);
    ASSERT_EQ(t.boxes.size(), 1);
    EXPECT_EQ(t.boxes[0].Text, u"Quillo is already running!"_s);
    EXPECT_EQ(t.boxes[0].Title, u"Quillo"_s);
    EXPECT_TRUE(t.room.Calls().isEmpty()); // the chat link was never opened
    EXPECT_EQ(t.session.Window(), nullptr);
    EXPECT_FALSE(QFile::exists(t.Path(u"quillo.ini"_s)));

    // Another folder is another console.
    UiConsole other;
    EXPECT_EQ(other.Start(), ConsoleSession::Outcome::Running);
}

TEST(Startup, AFolderWhereNoLockCanBeMadeStartsTheConsoleAndSaysSoOnce)
{
    ScratchDisk disk;
    if (!disk.Mounted())
        GTEST_SKIP() << "no right to mount a scratch disk here";
    {
        QFile ini(disk.Path(u"quillo.ini"_s));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write("[Settings]\r\nStart= 25 \r\n\r\n");
    }
    ASSERT_TRUE(disk.SetReadOnly(true));

    UiConsole t(disk.Path());
    ASSERT_EQ(t.Start(), ConsoleSession::Outcome::Running);
    EXPECT_TRUE(t.Window().isVisible());
    EXPECT_EQ(t.Find<QLineEdit>(u"txtWager"_s)->text(), u"25"_s); // the settings were read
    EXPECT_EQ(t.room.CountCalls(u"DapiRegister"_s), 1);
    ASSERT_EQ(t.boxes.size(), 1);
    EXPECT_EQ(t.boxes[0].Title, u"Program Error"_s);
    EXPECT_TRUE(t.boxes[0].Text.endsWith(u"The settings cannot be saved."_s));
    EXPECT_TRUE(t.boxes[0].Text.contains(disk.Path()));

    // Playing on says nothing more about the lock; the save at the end fails as any save there.
    t.Window().close();
    EXPECT_TRUE(t.session.IsShutDown());
    for (const auto& box : t.boxes)
        EXPECT_NE(box.Text, u"Quillo is already running!"_s);
    EXPECT_EQ(t.SettingsText(), u"[Settings]\r\nStart= 25 \r\n\r\n"_s);
    EXPECT_TRUE(disk.SetReadOnly(false));
}

TEST(Startup, CopiesLeftByAKilledSaveAreRemovedOnlyByTheConsoleThatHoldsTheFolder)
{
    UiConsole t;
    const QStringList left{u"quillo.ini.xaHhoV"_s, u"QOPMarch03.txt.Ab12Cd"_s};
    const QStringList others{u"macros.txt.xaHhoV"_s, u"quillo.ini.bak"_s};
    for (const QString& name : left + others) {
        QFile file(t.Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    t.WriteSettings(IniLines({u"Start= 25 "_s}));

    // A console refused because another holds the folder removes nothing: that one may be
    // saving right now.
    {
        QLockFile first(t.Path(u"quillo.lock"_s));
        ASSERT_TRUE(first.tryLock(0));
        UiConsole second(t.home);
        EXPECT_EQ(second.Start(), ConsoleSession::Outcome::AlreadyRunning);
        for (const QString& name : left + others)
            EXPECT_TRUE(QFile::exists(t.Path(name))) << name.toStdString();
    }

    ASSERT_EQ(t.Start(), ConsoleSession::Outcome::Running);
    for (const QString& name : left)
        EXPECT_FALSE(QFile::exists(t.Path(name))) << name.toStdString();
    for (const QString& name : others)
        EXPECT_TRUE(QFile::exists(t.Path(name))) << name.toStdString();
    EXPECT_EQ(t.TheConsole().settings.Start, 25);
}

TEST(Startup, AChatLayerThatWillNotOpenEndsTheStartWithError10001)
{
    UiConsole t;
    t.room.SetInitResult(3);
    EXPECT_EQ(t.Start(), ConsoleSession::Outcome::ChatFailed);
    ASSERT_EQ(t.boxes.size(), 1);
    EXPECT_EQ(t.boxes[0].Kind, WidgetToolkit::ShownBox::Type::Error);
    EXPECT_TRUE(t.boxes[0].Text.contains(u"10001"_s));
    EXPECT_TRUE(t.boxes[0].Text.contains(u"Failed to initialize DDE layer"_s));
    EXPECT_EQ(t.room.CountCalls(u"DapiRegister"_s), 0);
    EXPECT_FALSE(QFile::exists(t.Path(u"quillo.ini"_s)));
    t.session.Shutdown(); // nothing to shut down after a refused start
    EXPECT_EQ(t.room.CountCalls(u"KillDDE"_s), 0);
}

TEST(Startup, AppliesTheSettingsToTheWindow)
{
    UiConsole t;
    t.WriteSettings(IniLines(
        {u"Delay= 2 "_s, u"OnTop=True"_s, u"Start= 25 "_s, u"Points=True"_s, u"DayOfWeek=True"_s}));
    ASSERT_EQ(t.Start(), ConsoleSession::Outcome::Running);
    MainWindow& w = t.Window();
    EXPECT_EQ(w.windowTitle(), u"QO Single V3.0.0"_s);
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(t.room.CountCalls(u"DapiRegister"_s), 1);
    EXPECT_EQ(CheckedSpeeds(t), QStringList{u"mnuMedium"_s});
    EXPECT_TRUE(t.Action(u"mnuOnTop"_s)->isChecked());
    EXPECT_TRUE(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(t.Action(u"mnuMonthlyDOW"_s)->isChecked());
    EXPECT_FALSE(t.Action(u"mnuMonthlyAll"_s)->isChecked());
    EXPECT_TRUE(t.Find<QMenu>(u"mnuList"_s)->menuAction()->isEnabled());
    EXPECT_EQ(t.Find<QLineEdit>(u"txtWager"_s)->text(), u"25"_s);
}

TEST(Startup, PointsClearDisablesTheListAndUnchecksBothModes)
{
    UiConsole t;
    t.WriteSettings(IniLines({u"Points=False"_s, u"DayOfWeek=True"_s}));
    ASSERT_EQ(t.Start(), ConsoleSession::Outcome::Running);
    EXPECT_FALSE(t.Find<QMenu>(u"mnuList"_s)->menuAction()->isEnabled());
    EXPECT_FALSE(t.Action(u"mnuMonthlyDOW"_s)->isChecked());
    EXPECT_FALSE(t.Action(u"mnuMonthlyAll"_s)->isChecked());
    EXPECT_FALSE(t.Action(u"mnuOnTop"_s)->isChecked());
    EXPECT_FALSE(t.Window().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST(Startup, ADelayOutOfRangeStartsAsFastAndIsSavedAsOne)
{
    UiConsole t;
    t.WriteSettings(IniLines({u"Delay= 7 "_s}));
    ASSERT_EQ(t.Start(), ConsoleSession::Outcome::Running);
    EXPECT_EQ(CheckedSpeeds(t), QStringList{u"mnuFast"_s});
    EXPECT_EQ(t.TheConsole().settings.Delay, SpeedFast);
    t.Window().close();
    EXPECT_TRUE(t.SettingsText().contains(u"\r\nDelay= 1 \r\n"_s));
}

TEST(Startup, PositionComesFromTwipsAndTheLivePositionIsWrittenBack)
{
    UiConsole t;
    t.WriteSettings(IniLines({u"Left= 1500 "_s, u"Top= 1200 "_s}));
    ASSERT_EQ(t.Start(), ConsoleSession::Outcome::Running);
    const int dpi = t.Window().logicalDpiX();
    EXPECT_EQ(t.Window().pos(), QPoint(1500 * dpi / 1440, 1200 * t.Window().logicalDpiY() / 1440));

    t.Window().move(200, 100);
    t.Window().close();
    EXPECT_TRUE(t.SettingsText().contains(u"\r\nLeft= %1 \r\n"_s.arg(200 * 1440 / dpi)));
    EXPECT_TRUE(t.SettingsText().contains(
        u"\r\nTop= %1 \r\n"_s.arg(100 * 1440 / t.Window().logicalDpiY())));
}

TEST(Startup, ALeftOfZeroKeepsTheDesignPosition)
{
    UiConsole design;
    ASSERT_EQ(design.Start(), ConsoleSession::Outcome::Running);
    UiConsole t;
    t.WriteSettings(IniLines({u"Left= 0 "_s, u"Top= 500 "_s}));
    ASSERT_EQ(t.Start(), ConsoleSession::Outcome::Running);
    EXPECT_EQ(t.Window().pos(), design.Window().pos());

    // A place on a screen that is no longer there would put the console out of reach.
    UiConsole gone;
    gone.WriteSettings(IniLines({u"Left= 30000 "_s, u"Top= 30000 "_s}));
    ASSERT_EQ(gone.Start(), ConsoleSession::Outcome::Running);
    EXPECT_EQ(gone.Window().pos(), design.Window().pos());
}

TEST(Startup, AnUnreadableSettingsFileEndsTheStartWithoutAShutdown)
{
    UiConsole t;
    t.WriteSettings(IniLines({u"Delay=fast"_s}));
    const QString before = t.SettingsText();
    EXPECT_EQ(t.Start(), ConsoleSession::Outcome::SettingsFailed);
    ASSERT_FALSE(t.boxes.isEmpty());
    EXPECT_EQ(t.boxes.last().Title, u"Program Exiting"_s);
    EXPECT_FALSE(t.Window().isVisible());
    t.session.Shutdown();
    EXPECT_EQ(t.room.CountCalls(u"DapiUnregister"_s), 0);
    EXPECT_EQ(t.SettingsText(), before);
}

TEST(Shutdown, RunsOnceInOrderWhicheverWayTheConsoleEnds)
{
    UiConsole t;
    ASSERT_EQ(t.Start(), ConsoleSession::Outcome::Running);
    int ended = 0;
    QObject::connect(&t.session, &ConsoleSession::ended, [&ended] { ++ended; });
    t.Action(u"mnuExit"_s)->trigger();
    EXPECT_FALSE(t.Window().isVisible());
    EXPECT_TRUE(QFile::exists(t.Path(u"quillo.ini"_s)));
    t.session.Shutdown();
    t.Window().close();
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(t.room.CountCalls(u"DapiUnregister"_s), 1);
    EXPECT_EQ(t.room.CountCalls(u"KillDDE"_s), 1);
    const auto& calls = t.room.Calls();
    ASSERT_GE(calls.size(), 2);
    EXPECT_EQ(calls[calls.size() - 2].Function, u"DapiUnregister"_s);
    EXPECT_EQ(calls.last().Function, u"KillDDE"_s);
    EXPECT_FALSE(t.room.IsOpen());
}

TEST(Shutdown, ATerminationSignalSavesTheSettingsAndClosesTheLink)
{
    UiConsole t;
    ASSERT_EQ(t.Start(), ConsoleSession::Outcome::Running);
    t.session.HandleStopSignals();
    t.TheConsole().settings.Start = 42;
    std::raise(SIGTERM);
    ASSERT_TRUE(WaitUntil([&t] { return t.session.IsShutDown(); }));
    EXPECT_TRUE(t.SettingsText().contains(u"\r\nStart= 42 \r\n"_s));
    EXPECT_EQ(t.room.CountCalls(u"KillDDE"_s), 1);
}
