#include "records/GameLogFormat.h"
#include "support/FileBytes.h"
#include "support/UiConsole.h"
#include "support/WaitUntil.h"
#include "text/Cp1252.h"
#include "ui/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHelpEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The tip the pointer resting on the widget brings up: the widget's own, or, as the tip event
// goes on to the parents, the nearest parent's within the window (the pointer over a card box
// rests on the box's own text field).
QString TipAt(const QWidget* widget)
{
    for (; widget; widget = widget->isWindow() ? nullptr : widget->parentWidget()) {
        if (!widget->toolTip().isEmpty())
            return widget->toolTip();
    }
    return {};
}

// What the toolkit shows for a pointer resting at the widget's centre.
QString ShownTip(QWidget* widget)
{
    const QPoint at = widget->rect().center();
    QHelpEvent rest(QEvent::ToolTip, at, widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &rest);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

// Whatever start-up left queued for the event loop has run once a call queued after it has.
void RunQueuedEvents()
{
    bool reached = false;
    QMetaObject::invokeMethod(
        qApp, [&reached] { reached = true; }, Qt::QueuedConnection);
    ASSERT_TRUE(WaitUntil([&reached] { return reached; }));
}

QWidget* TopLevel(const QString& name)
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == name && w->isVisible())
            return w;
    }
    return nullptr;
}

// The record files of a game cut short: Bob won his first card, then the console was killed.
void PlantUnfinishedGame(UiConsole& t, bool finished = false)
{
    QString log = GameLogHeader(u"QOPMarch03.txt"_s, t.clock.Now(), t.room.HostAvatar()) +
                  LogSeparator() + RecordLineEnd() + u"Bob"_s + RecordLineEnd() +
                  WagerLine(10, u"5"_s, 4, true) + RecordLineEnd();
    if (finished)
        log += WagerLine(14, u"9"_s, 14, false) + RecordLineEnd() + ClosingLine(0, u"K"_s) +
               RecordLineEnd();
    ASSERT_TRUE(WriteBytes(t.Path(u"Quillo.log"_s), ToCp1252(log)));
    ASSERT_TRUE(WriteBytes(t.Path(u"QOPlayers.txt"_s), "Bob\r\n"));
}

} // namespace

TEST(WindowHints, TipsNameEachMacroEachCardBoxAndThePlayerListsMarkersAndFollowARename)
{
    UiConsole t;
    ASSERT_EQ(t.Start(), ConsoleSession::Outcome::Running);
    MainWindow& window = t.Window();
    const QSize size = window.size();
    const QRect cardBox = t.Find<QComboBox>(u"cmbStart(3)"_s)->geometry();

    const struct
    {
        QString Control;
        QString Tip; // empty: no tip at all
    } tips[] = {
        {u"txtButton(8)"_s, u"Scores"_s},
        {u"txtButton(9)"_s, u"Call for Regs"_s},
        {u"txtButton(10)"_s, u"Get Regs"_s},
        {u"txtButton(1)"_s, QString()}, // a macro without a name
    };
    for (const auto& tip : tips) {
        QWidget* control = t.Find<QWidget>(tip.Control);
        ASSERT_NE(control, nullptr) << tip.Control.toStdString();
        EXPECT_EQ(control->toolTip(), tip.Tip) << tip.Control.toStdString();
        EXPECT_EQ(TipAt(control), tip.Tip) << tip.Control.toStdString();
    }
    // Each card box says which card of the turn it is for, also under the pointer on its text.
    EXPECT_TRUE(
        TipAt(t.Find<QComboBox>(u"cmbStart(0)"_s)->lineEdit()).startsWith(u"The face-up card"_s));
    for (int i = 1; i <= 6; ++i) {
        const QString tip = TipAt(t.Find<QComboBox>(u"cmbStart(%1)"_s.arg(i))->lineEdit());
        EXPECT_TRUE(tip.startsWith(u"Card %1:"_s.arg(i))) << tip.toStdString();
        EXPECT_TRUE(tip.contains(u"\"Please turn card %1\""_s.arg(i))) << tip.toStdString();
    }
    // The toolkit shows them: on a button, and on a card box's text field through the box.
    EXPECT_EQ(ShownTip(t.Find<QWidget>(u"txtButton(10)"_s)), u"Get Regs"_s);
    EXPECT_EQ(ShownTip(t.Find<QComboBox>(u"cmbStart(2)"_s)->lineEdit()),
              TipAt(t.Find<QComboBox>(u"cmbStart(2)"_s)));
    QToolTip::hideText();

    const QString list = TipAt(t.Find<QListWidget>(u"lstPlayers"_s));
    EXPECT_TRUE(list.contains(u"10--Alice: Alice has 10 points"_s)) << list.toStdString();
    EXPECT_TRUE(list.contains(u"0+Bob: Bob has been drawn"_s)) << list.toStdString();

    // A macro renamed in the editor is named in its tip when the console is back.
    t.Action(u"mnuEditMacros"_s)->trigger();
    QPointer<QWidget> editor = TopLevel(u"frmMacro"_s);
    ASSERT_NE(editor, nullptr);
    auto* name = editor->findChild<QLineEdit*>(u"txtMacroName"_s);
    ASSERT_NE(name, nullptr);
    QTest::keyClicks(name, u"Welcome"_s);
    editor->close(); // no macro file: the Save As dialog is cancelled, the name stays this run
    ASSERT_TRUE(WaitUntil([&] { return editor.isNull(); })); // the console is shown anew then
    ASSERT_TRUE(window.isVisible());
    EXPECT_EQ(TipAt(t.Find<QWidget>(u"txtButton(1)"_s)), u"Welcome"_s);
    EXPECT_EQ(t.TheConsole().controls.ToolTips.txtButton[1], u"Welcome"_s);

    // The tips moved and resized nothing.
    EXPECT_EQ(window.size(), size);
    EXPECT_EQ(t.Find<QComboBox>(u"cmbStart(3)"_s)->geometry(), cardBox);
}

TEST(WindowHints, AnUnfinishedGameIsOfferedBackOnceAtStartUp)
{
    for (const bool yes : {true, false}) {
        SCOPED_TRACE(yes ? "Yes" : "No");
        UiConsole t;
        PlantUnfinishedGame(t);
        t.answers.push_back(yes ? Toolkit::Answer::Yes : Toolkit::Answer::No);
        ASSERT_EQ(t.Start(), ConsoleSession::Outcome::Running);
        EXPECT_TRUE(t.boxes.isEmpty()); // asked once the event loop runs, windows shown
        ASSERT_TRUE(WaitUntil([&] { return !t.boxes.isEmpty(); }));
        EXPECT_EQ(t.boxes[0].Kind, WidgetToolkit::ShownBox::Type::YesNoQuestion);
        EXPECT_EQ(t.boxes[0].Title, u"Recover"_s);
        EXPECT_TRUE(t.boxes[0].Text.startsWith(u"The last game was not finished."_s));

        const QString caption = t.Find<QPushButton>(u"cmdSay"_s)->text();
        const QString player = t.Find<QLineEdit>(u"txtPlayer"_s)->text();
        QAction* recover = t.Action(u"mnuRecover"_s);
        if (yes) {
            // Resumed at Bob's logged wager, as File > Recover does.
            EXPECT_EQ(caption, u"Ask for Wager"_s);
            EXPECT_EQ(player, u"Bob"_s);
            EXPECT_EQ(t.Find<QComboBox>(u"cmbStart(0)"_s)->currentText(), u"5"_s);
            EXPECT_FALSE(recover->isEnabled());
            EXPECT_TRUE(t.room.SaidLines().contains(u"Current Player is Bob"_s));
        } else {
            EXPECT_EQ(caption, u"Start"_s);
            EXPECT_TRUE(player.isEmpty());
            EXPECT_TRUE(recover->isEnabled());
            EXPECT_TRUE(t.room.SaidLines().isEmpty());
            // The menu item still recovers, with nothing more asked.
            t.answers.clear();
            recover->trigger();
            EXPECT_EQ(t.Find<QPushButton>(u"cmdSay"_s)->text(), u"Ask for Wager"_s);
        }
        RunQueuedEvents();
        EXPECT_EQ(t.boxes.size(), 1);
        EXPECT_EQ(t.TheConsole().game.PlayerCount, 1);
    }

    // A folder without a game, and one whose game was played to its end, ask nothing.
    for (const bool planted : {false, true}) {
        UiConsole t;
        if (planted)
            PlantUnfinishedGame(t, true);
        ASSERT_EQ(t.Start(), ConsoleSession::Outcome::Running);
        RunQueuedEvents();
        EXPECT_TRUE(t.boxes.isEmpty()) << planted;
        EXPECT_EQ(t.Find<QPushButton>(u"cmdSay"_s)->text(), u"Start"_s);
        EXPECT_TRUE(t.Action(u"mnuRecover"_s)->isEnabled());
    }
}
