#include "console/BusyLock.h"
#include "console/Console.h"
#include "support/UiConsole.h"
#include "support/WaitUntil.h"
#include "ui/MainWindow.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QString MacroButtonName(int i)
{
    return u"txtButton(%1)"_s.arg(i);
}

} // namespace

TEST(MainWindow, OpensWithEveryNamedControlInItsDesignState)
{
    UiConsole t;
    ASSERT_EQ(t.Start(), ConsoleSession::Outcome::Running);
    MainWindow& w = t.Window();
    EXPECT_EQ(w.objectName(), u"frmMain"_s);
    EXPECT_EQ(w.minimumSize(), w.maximumSize()); // fixed size
    for (int i = 0; i < 7; ++i) {
        auto* card = t.Find<QComboBox>(u"cmbStart(%1)"_s.arg(i));
        ASSERT_NE(card, nullptr) << i;
        EXPECT_TRUE(card->isEditable());
        EXPECT_EQ(card->count(), 13);
        EXPECT_EQ(card->itemText(8), u"10"_s);
        EXPECT_EQ(card->itemText(12), u"A"_s);
        EXPECT_EQ(card->currentText(), QString());
    }
    for (int i = 1; i <= 20; ++i) {
        auto* button = t.Find<QLineEdit>(MacroButtonName(i));
        ASSERT_NE(button, nullptr) << i;
        EXPECT_EQ(button->text(), QString::number(i));
        EXPECT_TRUE(button->isReadOnly());
    }
    EXPECT_EQ(t.Find<QPushButton>(u"cmdSay"_s)->text(), u"Start"_s);
    EXPECT_EQ(t.Find<QGroupBox>(u"fraWager"_s)->title(), u"Wager"_s);
    EXPECT_EQ(t.Find<QCheckBox>(u"chkAll"_s)->text(), u"All?"_s);
    EXPECT_EQ(t.Find<QPushButton>(u"Command2"_s)->text(), u"dummy"_s);
    for (const QString& name :
         {u"fraCurrent"_s, u"txtPlayer"_s, u"lstPlayers"_s, u"optHigher"_s, u"optLower"_s,
          u"Frame1"_s, u"txtMacroGuide"_s, u"Label1"_s, u"lblPlayerCnt"_s})
        EXPECT_NE(t.Find<QWidget>(name), nullptr) << name.toStdString();

    // The bar holds File, Options and About; the three pop-ups are not on it.
    QStringList bar;
    for (QAction* item : w.menuBar()->actions())
        bar.append(item->text());
    EXPECT_EQ(bar, (QStringList{u"&File"_s, u"&Options"_s, u"&About"_s}));
    EXPECT_EQ(t.Action(u"mnuExit"_s)->shortcut(), QKeySequence(u"Ctrl+X"_s));
    EXPECT_EQ(t.Action(u"mnuRecover"_s)->shortcut(), QKeySequence(u"Ctrl+R"_s));
    for (const QString& name : {u"mnuPlayer"_s, u"mnuWager"_s, u"mnuCard"_s})
        EXPECT_FALSE(t.Find<QMenu>(name)->isVisible());
}

TEST(MainWindow, CardsCompleteRanksInlineAndListThemWhenOpened)
{
    UiConsole t;
    ASSERT_EQ(t.Start(), ConsoleSession::Outcome::Running);
    auto* card = t.Find<QComboBox>(u"cmbStart(3)"_s);
    ASSERT_NE(card, nullptr);
    ASSERT_NE(card->completer(), nullptr);
    EXPECT_EQ(card->completer()->completionMode(), QCompleter::InlineCompletion);
    EXPECT_EQ(card->completer()->caseSensitivity(), Qt::CaseInsensitive);

    card->showPopup();
    ASSERT_TRUE(WaitUntil([card] { return card->view()->isVisible(); }));
    EXPECT_EQ(card->view()->model()->rowCount(), 13);
    EXPECT_EQ(card->view()->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    EXPECT_STREQ(card->view()->itemDelegate()->metaObject()->className(), "QComboBoxDelegate");
    card->hidePopup();
}

TEST(MainWindow, BusyLockGreysMenusMainAndMacroButtonsUnderTheHourglass)
{
    UiConsole t;
    ASSERT_EQ(t.Start(), ConsoleSession::Outcome::Running);
    MainWindow& w = t.Window();
    t.TheConsole().game.RoundState = RoundAskForWager;
    w.Run(BeginBusy);

    EXPECT_FALSE(t.Find<QMenu>(u"mnuFile"_s)->menuAction()->isEnabled());
    EXPECT_FALSE(t.Find<QMenu>(u"mnuOptions"_s)->menuAction()->isEnabled());
    EXPECT_FALSE(t.Action(u"mnuAbout"_s)->isEnabled());
    EXPECT_FALSE(t.Action(u"mnuRecover"_s)->isEnabled()); // Ctrl+R is locked out too
    EXPECT_FALSE(t.Action(u"mnuExit"_s)->isEnabled());
    EXPECT_FALSE(t.Find<QPushButton>(u"cmdSay"_s)->isEnabled());
    for (int i = 1; i <= 20; ++i)
        EXPECT_FALSE(t.Find<QWidget>(MacroButtonName(i))->isEnabled()) << i;
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    EXPECT_EQ(w.focusWidget(), t.Find<QWidget>(u"Command2"_s));
    // The cards, the wager panel and the list stay in the host's hands.
    EXPECT_TRUE(t.Find<QWidget>(u"cmbStart(2)"_s)->isEnabled());
    EXPECT_TRUE(t.Find<QWidget>(u"txtWager"_s)->isEnabled());
    EXPECT_TRUE(t.Find<QWidget>(u"lstPlayers"_s)->isEnabled());

    w.Run(EndBusy);
    EXPECT_TRUE(t.Find<QMenu>(u"mnuFile"_s)->menuAction()->isEnabled());
    EXPECT_TRUE(t.Action(u"mnuAbout"_s)->isEnabled());
    EXPECT_TRUE(t.Action(u"mnuRecover"_s)->isEnabled());
    EXPECT_TRUE(t.Find<QPushButton>(u"cmdSay"_s)->isEnabled());
    EXPECT_TRUE(t.Find<QWidget>(MacroButtonName(20))->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(MainWindow, TheChatClientsLinkStateShowsInALineAtTheFootOnceReported)
{
    UiConsole t;
    ASSERT_EQ(t.Start(), ConsoleSession::Outcome::Running);
    MainWindow& w = t.Window();
    auto* line = t.Find<QLabel>(u"lblLinkState"_s);
    ASSERT_NE(line, nullptr);
    EXPECT_FALSE(line->isVisible()); // the practice room reports none: the design's window
    EXPECT_EQ(w.centralWidget()->size(), QSize(ClientWidth, ClientHeight));
    const QSize designed = w.size();

    // Reports come from the event loop, between the host's actions.
    QTimer::singleShot(0, [&] { t.session.Chat().OnNotify("Host", 0, "In #quillo as Host"); });
    ASSERT_TRUE(WaitUntil([&] { return line->isVisible(); }));
    EXPECT_EQ(line->text(), u"In #quillo as Host"_s);
    EXPECT_EQ(w.size(), designed + QSize(0, LinkStateHeight));
    EXPECT_EQ(w.minimumSize(), w.maximumSize());
    EXPECT_LE(line->geometry().bottom(), w.centralWidget()->height()); // not cut off

    t.session.Chat().OnNotify("Host_", 3, "Players now ESP Host_");
    EXPECT_EQ(line->toolTip(), u"Players now ESP Host_"_s);
    t.TheConsole().macros[1].Text = u"Send your ESP to %host%\r\n"_s;
    QTest::mouseClick(t.Find<QWidget>(MacroButtonName(1)), Qt::LeftButton);
    EXPECT_EQ(t.room.SaidLines().last(), u"Send your ESP to Host_"_s);
}

TEST(MainWindow, EndBusyLeavesNoPlayersWhenEveryoneHasBeenDrawn)
{
    UiConsole t;
    ASSERT_EQ(t.Start(), ConsoleSession::Outcome::Running);
    MainWindow& w = t.Window();
    GameState& g = t.TheConsole().game;
    g.RoundState = RoundDrawPlayer;
    g.PlayerCount = 2;
    g.DrawnCount = 1;
    w.Run(BeginBusy);
    w.Run(EndBusy);
    EXPECT_TRUE(t.Find<QPushButton>(u"cmdSay"_s)->isEnabled()); // one still undrawn

    g.DrawnCount = 2;
    g.CurrentPlayer = 2;
    w.Run(BeginBusy);
    w.Run(EndBusy);
    EXPECT_FALSE(t.Find<QPushButton>(u"cmdSay"_s)->isEnabled());
    EXPECT_EQ(t.Find<QLineEdit>(u"txtPlayer"_s)->text(), u"(no players)"_s);
    EXPECT_EQ(g.CurrentPlayer, 0);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(MainWindow, PopUpsOpenOnTheRightButtonOnlyAndThePlayerMenuOnlyForASelection)
{
    UiConsole t;
    ASSERT_EQ(t.Start(), ConsoleSession::Outcome::Running);
    MainWindow& w = t.Window();
    auto* list = t.Find<QListWidget>(u"lstPlayers"_s);
    auto* mnuPlayer = t.Find<QMenu>(u"mnuPlayer"_s);
    auto* mnuWager = t.Find<QMenu>(u"mnuWager"_s);
    auto* mnuCard = t.Find<QMenu>(u"mnuCard"_s);
    w.Run([](Console& c) { c.controls.lstPlayers.Rows = {u"Ann"_s, u"Bob"_s}; });
    const QPoint onBob = list->visualItemRect(list->item(1)).center();

    QTest::mouseClick(list->viewport(), Qt::RightButton, {}, onBob);
    EXPECT_FALSE(mnuPlayer->isVisible()); // nothing selected: no menu
    EXPECT_EQ(list->currentRow(), -1);    // and the right button selects nothing

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, onBob);
    EXPECT_EQ(t.TheConsole().controls.lstPlayers.SelectedRow, 1);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, onBob);
    EXPECT_FALSE(mnuPlayer->isVisible());
    QTest::mouseClick(list->viewport(), Qt::RightButton, {}, onBob);
    EXPECT_TRUE(mnuPlayer->isVisible());
    mnuPlayer->hide();

    auto* fraWager = t.Find<QWidget>(u"fraWager"_s);
    auto* fraCurrent = t.Find<QWidget>(u"fraCurrent"_s);
    QTest::mouseClick(fraWager, Qt::LeftButton, {}, QPoint(150, 60));
    QTest::mouseClick(fraCurrent, Qt::LeftButton, {}, QPoint(100, 40));
    EXPECT_FALSE(mnuWager->isVisible());
    EXPECT_FALSE(mnuCard->isVisible());
    QTest::mouseClick(fraWager, Qt::RightButton, {}, QPoint(150, 60));
    EXPECT_TRUE(mnuWager->isVisible());
    EXPECT_TRUE(mnuWager->geometry().contains(fraWager->mapToGlobal(QPoint(150, 60))) ||
                mnuWager->pos() == fraWager->mapToGlobal(QPoint(150, 60)));
    mnuWager->hide();
    QTest::mouseClick(fraCurrent, Qt::RightButton, {}, QPoint(100, 40));
    EXPECT_TRUE(mnuCard->isVisible());
    mnuCard->hide();
}

TEST(MainWindow, MacroHintFollowsTheMouseAndTheBareFrameClearsIt)
{
    UiConsole t;
    ASSERT_EQ(t.Start(), ConsoleSession::Outcome::Running);
    t.TheConsole().macros[3].Name = u"Welcome"_s;
    t.TheConsole().macros[4].Name = u"Rules"_s;
    auto* guide = t.Find<QLineEdit>(u"txtMacroGuide"_s);
    auto* frame = t.Find<QWidget>(u"Frame1"_s);

    QTest::mouseMove(t.Find<QWidget>(MacroButtonName(3)));
    EXPECT_EQ(guide->text(), u"Welcome"_s);
    QTest::mouseMove(t.Find<QWidget>(MacroButtonName(4)));
    EXPECT_EQ(guide->text(), u"Rules"_s);
    QTest::mouseMove(t.Find<QWidget>(MacroButtonName(5))); // a slot without a name
    EXPECT_EQ(guide->text(), QString());
    QTest::mouseMove(t.Find<QWidget>(MacroButtonName(4)));
    QTest::mouseMove(frame, QPoint(2, frame->height() - 2));
    EXPECT_EQ(guide->text(), QString());
    EXPECT_EQ(t.TheConsole().controls.txtMacroGuide.Text, QString());
}

TEST(MainWindow, HostEditsReachTheStateAndTheStateReachesTheWidgets)
{
    UiConsole t;
    ASSERT_EQ(t.Start(), ConsoleSession::Outcome::Running);
    MainWindow& w = t.Window();
    ConsoleState& c = t.TheConsole().controls;

    auto* card = t.Find<QComboBox>(u"cmbStart(3)"_s);
    card->setFocus();
    QTest::keyClicks(card, u"10"_s);
    EXPECT_EQ(c.cmbStart[3].Text, u"10"_s);
    card->setCurrentIndex(11); // picked from the list
    EXPECT_EQ(c.cmbStart[3].Text, u"K"_s);

    auto* wager = t.Find<QLineEdit>(u"txtWager"_s);
    wager->selectAll();
    QTest::keyClicks(wager, u"7"_s);
    EXPECT_EQ(c.txtWager.Text, u"7"_s);
    QTest::mouseClick(t.Find<QRadioButton>(u"optLower"_s), Qt::LeftButton);
    EXPECT_TRUE(c.optLower.Checked);
    QTest::mouseClick(t.Find<QRadioButton>(u"optHigher"_s), Qt::LeftButton);
    EXPECT_TRUE(c.optHigher.Checked);
    EXPECT_FALSE(c.optLower.Checked);
    QTest::mouseClick(t.Find<QCheckBox>(u"chkAll"_s), Qt::LeftButton);
    EXPECT_TRUE(c.chkAll.Checked);

    // The logic clears both guesses, fills a card and disables it, and renames the button.
    w.Run([](Console& console) {
        ConsoleState& s = console.controls;
        s.optHigher.Checked = false;
        s.cmbStart[3].Text = u"Q"_s;
        s.cmbStart[3].Enabled = false;
        s.cmdSay.Caption = u"Say Wager"_s;
        s.lblPlayerCnt.Caption = u"2"_s;
    });
    EXPECT_FALSE(t.Find<QRadioButton>(u"optHigher"_s)->isChecked());
    EXPECT_FALSE(t.Find<QRadioButton>(u"optLower"_s)->isChecked());
    EXPECT_EQ(card->currentText(), u"Q"_s);
    EXPECT_FALSE(card->isEnabled());
    EXPECT_EQ(t.Find<QPushButton>(u"cmdSay"_s)->text(), u"Say Wager"_s);
    EXPECT_EQ(t.Find<QLabel>(u"lblPlayerCnt"_s)->text(), u"2"_s);
    EXPECT_EQ(c.cmbStart[3].Text, u"Q"_s); // showing is not an edit
}

TEST(MainWindow, AWiredHandlerRunsOnTheClickAndItsStateIsShown)
{
    UiConsole t;
    ASSERT_EQ(t.Start(), ConsoleSession::Outcome::Running);
    MainWindow& w = t.Window();
    int clicked = 0;
    w.OnMacroClick([&clicked](Console& c, int i) {
        clicked = i;
        c.controls.txtPlayer.Text = u"macro %1"_s.arg(i);
    });
    QTest::mouseClick(t.Find<QWidget>(MacroButtonName(12)), Qt::LeftButton);
    EXPECT_EQ(clicked, 12);
    EXPECT_EQ(t.Find<QLineEdit>(u"txtPlayer"_s)->text(), u"macro 12"_s);

    w.Run(BeginBusy); // a disabled macro button does not react
    clicked = 0;
    QTest::mouseClick(t.Find<QWidget>(MacroButtonName(12)), Qt::LeftButton);
    EXPECT_EQ(clicked, 0);
    w.Run(EndBusy);
}

TEST(MainWindow, ARefusedWagerKeepsTheFocusAndSwallowsTheClickThatTookIt)
{
    UiConsole t;
    ASSERT_EQ(t.Start(), ConsoleSession::Outcome::Running);
    MainWindow& w = t.Window();
    w.activateWindow();
    ASSERT_TRUE(WaitUntil([&w] { return w.isActiveWindow(); }));
    int checks = 0;
    w.OnWagerValidate([&checks](Console& c) {
        ++checks;
        const bool number = c.controls.txtWager.Text != u"abc"_s;
        if (!number)
            c.controls.txtWager.Text = u"10"_s;
        return number;
    });
    // The main button's own handler is wired: a click that happens opens the game.
    t.TheConsole().settings.Delay = SpeedVeryFast;
    auto* wager = t.Find<QLineEdit>(u"txtWager"_s);
    auto* say = t.Find<QPushButton>(u"cmdSay"_s);

    wager->setFocus();
    wager->selectAll();
    QTest::keyClicks(wager, u"abc"_s);
    QTest::mouseClick(say, Qt::LeftButton);
    EXPECT_EQ(checks, 1);
    EXPECT_EQ(say->text(), u"Start"_s);
    EXPECT_EQ(w.focusWidget(), wager);
    EXPECT_EQ(wager->text(), u"10"_s);

    QTest::mouseClick(say, Qt::LeftButton); // accepted now: the click goes through
    EXPECT_EQ(checks, 2);
    EXPECT_EQ(say->text(), u"Draw Player"_s);
}

TEST(MainWindow, CtrlXExitsFromTheWagerAndCardBoxesWithTheirTextWhole)
{
    UiConsole t;
    ASSERT_EQ(t.Start(), ConsoleSession::Outcome::Running);
    MainWindow& w = t.Window();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    auto* wager = t.Find<QLineEdit>(u"txtWager"_s);
    wager->setFocus();
    wager->selectAll();
    QTest::keyClick(wager, Qt::Key_Delete, Qt::ShiftModifier); // cutting is still there
    EXPECT_TRUE(wager->text().isEmpty());
    EXPECT_TRUE(w.isVisible());
    QTest::keyClicks(wager, u"25"_s);
    wager->selectAll();
    QTest::keyClick(wager, Qt::Key_X, Qt::ControlModifier);
    EXPECT_TRUE(t.session.IsShutDown());
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(wager->text(), u"25"_s);

    // An editable combo box hands its keys to the line edit inside it.
    UiConsole u;
    ASSERT_EQ(u.Start(), ConsoleSession::Outcome::Running);
    u.Window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&u.Window()));
    auto* card = u.Find<QComboBox>(u"cmbStart(0)"_s);
    card->setFocus();
    card->setEditText(u"K"_s);
    card->lineEdit()->selectAll();
    QTest::keyClick(card, Qt::Key_X, Qt::ControlModifier);
    EXPECT_TRUE(u.session.IsShutDown());
    EXPECT_EQ(card->currentText(), u"K"_s);
}
