#include "console/Console.h"
#include "console/Pacing.h"
#include "support/UiConsole.h"
#include "ui/FileFilter.h"
#include "ui/MainWindow.h"
#include "ui/PauseTimer.h"

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(Pacing, MyWaitCountsItsTicksAndKeepsTheWindowResponsive)
{
    UiConsole t;
    ASSERT_EQ(t.Start(), ConsoleSession::Outcome::Running);
    PauseTimer& pause = t.session.Toolkit().Pause();
    auto* higher = t.Find<QRadioButton>(u"optHigher"_s);
    bool clickedDuringPause = false;
    QTimer::singleShot(20, higher, [&] {
        QTest::mouseClick(higher, Qt::LeftButton);
        clickedDuringPause = pause.Running();
    });
    My_Wait(t.session.Toolkit(), SpeedFast);
    EXPECT_TRUE(clickedDuringPause);
    EXPECT_TRUE(t.TheConsole().controls.optHigher.Checked); // the click was handled meanwhile
    EXPECT_EQ(pause.TickCount(), 3);
    EXPECT_FALSE(pause.Running());
}

TEST(Pacing, AWaitStartedInsideAnotherEndsAndTheOuterStillEnds)
{
    UiConsole t;
    ASSERT_EQ(t.Start(), ConsoleSession::Outcome::Running);
    PauseTimer& pause = t.session.Toolkit().Pause();
    bool timedOut = false;
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        timedOut = true;
        pause.CancelAll();
    });
    watchdog.start(5000);

    bool innerDone = false;
    QTimer::singleShot(10, [&] {
        My_Wait(t.session.Toolkit(), SpeedMedium); // five ticks inside a wait of three
        innerDone = true;
    });
    My_Wait(t.session.Toolkit(), SpeedFast);
    EXPECT_FALSE(timedOut);
    EXPECT_TRUE(innerDone);
    EXPECT_EQ(pause.Depth(), 0);
    EXPECT_FALSE(pause.Running());
}

TEST(Pacing, TheWindowShowsTheStateBeforeEachPauseAndBox)
{
    UiConsole t;
    ASSERT_EQ(t.Start(), ConsoleSession::Outcome::Running);
    auto* say = t.Find<QPushButton>(u"cmdSay"_s);
    QString shownInPause;
    t.TheConsole().controls.cmdSay.Caption = u"Say Results"_s;
    QTimer::singleShot(0, say, [&] { shownInPause = say->text(); });
    My_Wait(t.session.Toolkit(), SpeedVeryFast);
    EXPECT_EQ(shownInPause, u"Say Results"_s);

    QString shownWithBox;
    t.session.Toolkit().SetBoxAnswerer([&](const WidgetToolkit::ShownBox& box) {
        shownWithBox = say->text() + u" / "_s + box.Title;
        return Toolkit::Answer::No;
    });
    t.TheConsole().controls.cmdSay.Caption = u"Ask for Wager"_s;
    EXPECT_EQ(t.session.Toolkit().Ask(u"Sure?"_s, u"Quillo"_s), Toolkit::Answer::No);
    EXPECT_EQ(shownWithBox, u"Ask for Wager / Quillo"_s);
}

TEST(Pacing, TheHourglassDoesNotStack)
{
    WidgetToolkit toolkit;
    toolkit.SetHourglass(true);
    toolkit.SetHourglass(true);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    toolkit.SetHourglass(false);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(FileFilter, LabelPatternPairsBecomeDialogFilters)
{
    EXPECT_EQ(DialogFilter(u"Text Files|*.txt|All Files|*.*"_s),
              u"Text Files (*.txt);;All Files (*.*)"_s);
    EXPECT_EQ(DialogFilter(u"Points|QOP*.txt;QOP*.TXT"_s), u"Points (QOP*.txt QOP*.TXT)"_s);
    EXPECT_EQ(DialogFilter(u"Macros|*.mac|Dangling"_s), u"Macros (*.mac)"_s);
    EXPECT_EQ(DialogFilter(QString()), QString());
}
