#include "console/Console.h"
#include "support/HostHands.h"
#include "support/UiConsole.h"
#include "support/WaitUntil.h"
#include "text/Cp1252.h"
#include "text/FixedLines.h"
#include "ui/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QStringList chatLines(const PracticeRoom& room)
{
    return FromCp1252(room.ChatText()).split(u"\r\n"_s, Qt::SkipEmptyParts);
}

} // namespace

TEST(GameWindow, AWholeGameFromTheCallForRegistrationsToTheScores)
{
    UiConsole t;
    ASSERT_EQ(t.Start(), ConsoleSession::Outcome::Running);
    t.TheConsole().settings.Delay = SpeedVeryFast;
    HostHands host{t};

    host.Say(); // the opening
    EXPECT_EQ(host.Caption(), u"Draw Player"_s);
    EXPECT_FALSE(t.Find<QPushButton>(u"cmdSay"_s)->isEnabled()); // nobody registered yet
    host.Macro(9);                                               // Call for Regs
    for (const QString& name : {u"Cy"_s, u"Ann"_s, u"Bob"_s})
        t.room.Esp(name, u"$"_s);
    host.Macro(10); // Get Regs
    EXPECT_EQ(t.Find<QListWidget>(u"lstPlayers"_s)->count(), 3);
    EXPECT_TRUE(t.Find<QPushButton>(u"cmdSay"_s)->isEnabled());

    QStringList expected{u"Host: "_s + OpeningBanner(),
                         u"Host: "_s + VersionLine(),
                         u"Host: "_s + ContactLine(),
                         u"Host: To register ESP a $ to Host."_s,
                         u"Host: To register ESP a $ to Host, if you haven't done it yet."_s,
                         u"ESP from Cy: $"_s,
                         u"ESP from Ann: $"_s,
                         u"ESP from Bob: $"_s,
                         u"ESP to Cy: You are registered"_s,
                         u"ESP to Ann: You are registered"_s,
                         u"ESP to Bob: You are registered"_s};
    for (int turn = 1; turn <= 3; ++turn) {
        host.Say(); // Draw Player
        const QString p = host.Player();
        ASSERT_FALSE(p.isEmpty());
        host.Card(0, u"5"_s);
        host.Say(); // Ask for Wager
        host.Wager(QString::number(turn));
        host.Guess(true);
        host.Say(); // Say Wager
        host.Card(1, u"K"_s);
        host.Say(); // Say Results: a win
        host.Say(); // Ask for Wager on the K
        QTest::mouseClick(t.Find<QCheckBox>(u"chkAll"_s), Qt::LeftButton);
        host.Guess(false);
        host.Say();
        host.Card(2, u"A"_s);
        host.Say(); // a loss of everything ends the turn
        EXPECT_EQ(host.Caption(), u"Draw Player"_s);
        const QString won = QString::number(10 + turn);
        expected += {u"Host: WTG!  "_s + p + u", you have been chosen"_s,
                     u"Host: "_s + p + u" has 10 points"_s,
                     u"Host: Your Card is a 5.  What is your wager?"_s,
                     u"Host: OK "_s + QString::number(turn) + u" higher.  Please turn card 1"_s,
                     u"Host: ¤   K   ¤"_s,
                     u"Host: wtg!  "_s + p + u" gets "_s + QString::number(turn) + u" points"_s,
                     u"Host: "_s + p + u" has "_s + won + u" points"_s,
                     u"Host: Your Card is a K.  What is your wager?"_s,
                     u"Host: OK "_s + won + u" lower.  Please turn card 2"_s,
                     u"Host: ¤   A   ¤"_s,
                     u"Host: awwww  "_s + p + u" loses "_s + won + u" points"_s,
                     u"Host: "_s + p + u" has 0 points.  Thanks for playing"_s};
    }
    EXPECT_FALSE(t.Find<QPushButton>(u"cmdSay"_s)->isEnabled()); // everyone has played
    EXPECT_EQ(host.Player(), u"(no players)"_s);

    host.Macro(8); // Scores: all at 0, so the name order stands, said from the end
    expected += {u"Host: o=o Scores o=o"_s, u"Host: Cy has 0 points"_s, u"Host: Bob has 0 points"_s,
                 u"Host: Ann has 0 points"_s, u"Host: o=o=o=o=o"_s};
    EXPECT_EQ(chatLines(t.room), expected);
    EXPECT_TRUE(t.boxes.isEmpty());
}

TEST(GameWindow, EscStopsTheScoresWhileTheyAreSaid)
{
    UiConsole t;
    ASSERT_EQ(t.Start(), ConsoleSession::Outcome::Running);
    t.TheConsole().settings.Delay = SpeedVeryFast;
    t.TheConsole().settings.Confirm = false;
    MainWindow& w = t.Window();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    HostHands host{t};
    host.Say();
    for (int i = 1; i <= 12; ++i)
        t.room.Esp(u"Player %1"_s.arg(i), u"$"_s);
    host.Macro(10); // Get Regs
    ASSERT_EQ(t.TheConsole().game.PlayerCount, 12);

    // Esc once the third line is out, struck on the window as the host would.
    const qsizetype before = t.room.SaidLines().size();
    qsizetype saidAtEsc = -1;
    QString focusAtEsc;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (saidAtEsc >= 0 || t.room.SaidLines().size() < before + 3)
            return;
        saidAtEsc = t.room.SaidLines().size();
        focusAtEsc = QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "";
        QTest::keyClick(&w, Qt::Key_Escape);
    });
    watch.start(10);
    host.Macro(8); // Scores: a heading, twelve players and a closing line
    watch.stop();
    EXPECT_EQ(focusAtEsc, u"Command2"_s);
    EXPECT_EQ(t.room.SaidLines().size(), saidAtEsc);
    EXPECT_LT(saidAtEsc, before + 14);
    EXPECT_TRUE(t.Find<QPushButton>(u"cmdSay"_s)->isEnabled()); // the lock is released

    host.Macro(8); // the next listing is whole
    EXPECT_EQ(t.room.SaidLines().size(), saidAtEsc + 14);
}

TEST(GameWindow, LettersInTheWagerBoxStopTheClickOfTheMainButton)
{
    UiConsole t;
    ASSERT_EQ(t.Start(), ConsoleSession::Outcome::Running);
    t.TheConsole().settings.Delay = SpeedVeryFast;
    MainWindow& w = t.Window();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    HostHands host{t};
    host.Say();
    t.room.Esp(u"Bob"_s, u"$"_s);
    host.Macro(10);
    host.Say();
    host.Card(0, u"9"_s);
    host.Say();
    ASSERT_EQ(host.Caption(), u"Say Wager"_s);
    const qsizetype said = t.room.SaidLines().size();

    host.Guess(true);
    auto* wager = t.Find<QLineEdit>(u"txtWager"_s);
    wager->setFocus();
    ASSERT_TRUE(WaitUntil([&] { return wager->hasFocus(); }));
    host.Wager(u"lots"_s);
    host.Say(); // the main button takes the focus from the box first

    ASSERT_FALSE(t.boxes.isEmpty());
    EXPECT_EQ(t.boxes.last().Text, u"Wager must be a number"_s);
    EXPECT_EQ(t.boxes.last().Title, u"Wager"_s);
    EXPECT_EQ(wager->text(), u"10"_s);
    EXPECT_EQ(host.Caption(), u"Say Wager"_s); // the click did not happen
    EXPECT_EQ(t.room.SaidLines().size(), said);

    host.Say(); // now the box holds a number
    EXPECT_EQ(host.Caption(), u"Say Results"_s);
    EXPECT_EQ(t.room.SaidLines().last(), u"OK 10 higher.  Please turn card 1"_s);
}

TEST(GameWindow, PopUpItemsDeleteAPlayerSayAScoreAndFixTheCard)
{
    UiConsole t;
    ASSERT_EQ(t.Start(), ConsoleSession::Outcome::Running);
    t.TheConsole().settings.Delay = SpeedVeryFast;
    HostHands host{t};
    host.Say();
    t.room.Esp(u"Ann"_s, u"$"_s);
    t.room.Esp(u"Bob"_s, u"$"_s);
    host.Macro(10);
    auto* list = t.Find<QListWidget>(u"lstPlayers"_s);
    ASSERT_EQ(list->count(), 2);

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(1)).center());
    t.Action(u"mnuPSayScore"_s)->trigger();
    EXPECT_EQ(t.room.SaidLines().last(), u"Bob has 10 points"_s);
    t.Action(u"mnuPDelete"_s)->trigger();
    EXPECT_EQ(list->count(), 1);
    EXPECT_EQ(t.Find<QWidget>(u"lblPlayerCnt"_s)->property("text").toString(), u"1"_s);

    host.Say(); // Ann is drawn
    host.Card(0, u"5"_s);
    host.Say();
    host.Wager(u"4"_s);
    host.Guess(true);
    host.Say();
    host.Card(1, u"9"_s);
    host.Say();
    ASSERT_EQ(t.TheConsole().game.Current().Score, 14.0f);
    t.Action(u"mnuFixCard"_s)->trigger();
    EXPECT_EQ(t.room.SaidLines().last(), u"Fixing Card"_s);
    EXPECT_EQ(host.Caption(), u"Say Results"_s);
    EXPECT_TRUE(t.Find<QComboBox>(u"cmbStart(1)"_s)->isEnabled());
    host.Card(1, u"3"_s);
    host.Say();
    EXPECT_EQ(t.TheConsole().game.Current().Score, 6.0f);

    t.Action(u"mnuFix"_s)->trigger(); // at "Ask for Wager": no wager to fix
    EXPECT_EQ(host.Caption(), u"Ask for Wager"_s);
}
