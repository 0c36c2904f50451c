#include "support/EditorConsole.h"
#include "ui/MacroWindow.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <QTextEdit>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using Answer = Toolkit::Answer;

namespace {

const QColor Selected(0xC0, 0xC0, 0xFF);

// The editor open over a console with the built-ins and three macros of the host's.
struct EditorWindow
{
    EditorWindow()
    {
        window = std::make_unique<MacroWindow>(t.console, &console);
        window->show();
    }

    QLineEdit* button(int i) const
    {
        return widget<QLineEdit>(u"txtButton(%1)"_s.arg(i));
    }
    QTextEdit* text() const
    {
        return widget<QTextEdit>(u"txtMacroText"_s);
    }
    QLineEdit* name() const
    {
        return widget<QLineEdit>(u"txtMacroName"_s);
    }
    void click(int i) const
    {
        QTest::mouseClick(button(i), Qt::LeftButton);
    }
    void trigger(const QString& item) const
    {
        auto* action = window->findChild<QAction*>(item);
        ASSERT_NE(action, nullptr) << item.toStdString();
        action->trigger();
    }
    QList<int> highlighted() const
    {
        QList<int> lit;
        for (int i = 1; i <= 20; ++i) {
            if (button(i)->palette().color(QPalette::Base) == Selected)
                lit.append(i);
        }
        return lit;
    }
    template <typename T> T* widget(const QString& name) const
    {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }

    EditorConsole t;
    QWidget console;
    std::unique_ptr<MacroWindow> window;
};

} // namespace

TEST(MacroWindow, OpeningAndClosingUntouchedAsksNothingWritesNoMacroFileAndShowsTheConsole)
{
    EditorWindow e;
    EXPECT_EQ(e.window->windowTitle(), u"Macro Editor"_s);
    EXPECT_EQ(e.window->palette().color(QPalette::Window), QColor(0x80, 0x80, 0xFF));
    EXPECT_EQ(e.widget<QLabel>(u"Label1"_s)->text(), u"Macro 1"_s);
    EXPECT_EQ(e.widget<QLabel>(u"Label2"_s)->text(), u"Macro descriptive name"_s);
    EXPECT_EQ(e.widget<QLineEdit>(u"txtMacroGuide"_s)->text(), u"Hello"_s);
    EXPECT_EQ(e.name()->text(), u"Hello"_s);
    EXPECT_EQ(e.text()->toPlainText(), u"Hi all"_s);
    EXPECT_EQ(e.highlighted(), QList<int>{1});
    EXPECT_EQ(e.button(20)->text(), u"20"_s);
    EXPECT_EQ(e.button(11)->y(), e.button(1)->y() + 30); // 11 to 20 in the lower row

    QMouseEvent over(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(e.button(3), &over);
    EXPECT_EQ(e.widget<QLineEdit>(u"txtMacroGuide"_s)->text(), u"Rules"_s);
    e.click(4);
    e.click(2);
    EXPECT_EQ(e.widget<QLineEdit>(u"txtMacroGuide"_s)->text(), u"Rules"_s); // stays
    e.window->close();
    EXPECT_TRUE(e.t.toolkit.Questions.isEmpty());
    EXPECT_TRUE(e.t.toolkit.FileFilters.isEmpty());
    EXPECT_EQ(QDir(e.t.folder.path()).entryList(QDir::Files), QStringList{u"quillo.ini"_s});
    EXPECT_TRUE(e.console.isVisible());
}

TEST(MacroWindow, CtrlXClosesTheEditorFromEitherBoxWithTheirTextWhole)
{
    EditorWindow e;
    e.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(e.window.get()));
    e.click(3);
    ASSERT_EQ(QApplication::focusWidget(), e.name()); // a click leaves the focus in the name box
    e.name()->selectAll();
    QTest::keyClick(e.name(), Qt::Key_Delete, Qt::ShiftModifier); // cutting is still there
    EXPECT_TRUE(e.name()->text().isEmpty());
    QTest::keyClicks(e.name(), u"House rules"_s);
    e.name()->selectAll();
    QTest::keyClick(e.name(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_FALSE(e.window->isVisible());
    EXPECT_EQ(e.name()->text(), u"House rules"_s);
    EXPECT_EQ(e.t.console.macros[3].Name, u"House rules"_s); // closing stored the boxes
    EXPECT_TRUE(e.console.isVisible());

    EditorWindow f;
    f.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.window.get()));
    f.text()->setFocus();
    f.text()->selectAll();
    QTest::keyClick(f.text(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_FALSE(f.window->isVisible());
    EXPECT_EQ(f.text()->toPlainText(), u"Hi all"_s);
}

TEST(MacroWindow, TypingIsKeptAcrossButtonsAndDroppedByClickingTheSameButton)
{
    EditorWindow e;
    e.click(3);
    EXPECT_EQ(e.text()->toPlainText(), u"Higher or lower?\nWager first."_s);
    EXPECT_EQ(e.highlighted(), QList<int>{3});
    e.text()->moveCursor(QTextCursor::End);
    QTest::keyClicks(e.text(), u" Go!"_s);
    e.click(5);
    EXPECT_EQ(e.t.console.macros[3].Text, u"Higher or lower?\r\nWager first. Go!"_s);
    e.click(3);
    EXPECT_EQ(e.text()->toPlainText(), u"Higher or lower?\nWager first. Go!"_s);

    e.text()->moveCursor(QTextCursor::End);
    QTest::keyClicks(e.text(), u" Extra"_s);
    e.click(3);
    EXPECT_EQ(e.text()->toPlainText(), u"Higher or lower?\nWager first. Go!"_s);
}

TEST(MacroWindow, ButtonNineShowsItsBuiltInAndRefusesTyping)
{
    EditorWindow e;
    e.click(9);
    EXPECT_EQ(e.name()->text(), u"Call for Regs"_s);
    EXPECT_TRUE(e.name()->isReadOnly() && e.text()->isReadOnly());
    QTest::keyClicks(e.name(), u"x"_s);
    QTest::keyClicks(e.text(), u"x"_s);
    QTest::keyClick(e.text(), Qt::Key_F5, Qt::ShiftModifier);
    EXPECT_EQ(e.name()->text(), u"Call for Regs"_s);
    EXPECT_EQ(e.text()->toPlainText(),
              u"To register ESP a %reg% to %host%, if you haven't done it yet."_s);
    e.click(1);
    EXPECT_FALSE(e.name()->isReadOnly() || e.text()->isReadOnly());
}

TEST(MacroWindow, ClosingWithChangesAndNoFileOpensSaveAsAndCancellingStillCloses)
{
    EditorWindow e;
    QTest::keyClicks(e.name(), u"!"_s);
    e.window->close(); // the fake cancels the Save As dialog
    EXPECT_EQ(e.t.toolkit.FileFilters,
              QStringList{u"Macro File (*.TXT)|*.txt|All Files (*.*)|*.*"_s});
    EXPECT_FALSE(e.window->isVisible());
    EXPECT_TRUE(e.console.isVisible());
    EXPECT_EQ(e.t.console.macros[1].Name, u"Hello!"_s);
    EXPECT_TRUE(QFile(e.t.Path(u"quillo.ini"_s)).exists());
}

TEST(MacroWindow, NewAndOpenAskWithTheirOwnTitlesAndCancelChangesNothing)
{
    EditorWindow e;
    e.click(5);
    QTest::keyClicks(e.text(), u"X"_s);
    e.t.toolkit.QueueAnswer(Answer::Cancel);
    e.trigger(u"mnuNew"_s);
    e.t.toolkit.QueueAnswer(Answer::Cancel);
    e.trigger(u"mnuOpen"_s);
    ASSERT_EQ(e.t.toolkit.Questions.size(), 2);
    EXPECT_EQ(e.t.toolkit.Questions[0].Text, u"Save changes to Macro file?"_s);
    EXPECT_EQ(e.t.toolkit.Questions[0].Title, u"Save Changes"_s);
    EXPECT_EQ(e.t.toolkit.Questions[1].Text, u"Save changes to Macro file?"_s);
    EXPECT_EQ(e.t.toolkit.Questions[1].Title, u"Save Changes?"_s);
    EXPECT_EQ(e.text()->toPlainText(), u"XThanks for coming"_s);
    EXPECT_EQ(e.t.console.macros[3].Name, u"Rules"_s);
    EXPECT_EQ(e.highlighted(), QList<int>{5});
}

TEST(MacroWindow, AfterOpenOnlyButtonOneIsLitAndItsBoxesTakeTyping)
{
    EditorWindow e;
    const QString file = e.t.Path(u"set.txt"_s);
    {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write("[Macro  1 ]\r\nGreet\r\nHowdy\r\n\r\n[End Macros]\r\n\r\n");
    }
    e.click(9);
    e.t.toolkit.QueueFileName(file);
    e.trigger(u"mnuOpen"_s); // nothing changed: no question
    EXPECT_TRUE(e.t.toolkit.Questions.isEmpty());
    EXPECT_EQ(e.highlighted(), QList<int>{1});
    EXPECT_EQ(e.widget<QLabel>(u"Label1"_s)->text(), u"Macro 1"_s);
    EXPECT_EQ(e.name()->text(), u"Greet"_s);
    EXPECT_FALSE(e.name()->isReadOnly() || e.text()->isReadOnly());
    QTest::keyClicks(e.name(), u"!"_s);
    EXPECT_EQ(e.name()->text(), u"Greet!"_s);
}

TEST(MacroWindow, ShiftOrCtrlWithF5InsertsTheFrownGestureAtTheCursor)
{
    EditorWindow e;
    QTextCursor cursor = e.text()->textCursor();
    cursor.setPosition(2); // "Hi| all"
    e.text()->setTextCursor(cursor);
    QTest::keyClick(e.text(), Qt::Key_F5, Qt::ShiftModifier);
    EXPECT_EQ(e.text()->toPlainText(), u"Hi² all"_s);
    QTest::keyClick(e.text(), Qt::Key_F5);
    QTest::keyClick(e.text(), Qt::Key_F5, Qt::ShiftModifier | Qt::ControlModifier);
    QTest::keyClick(e.text(), Qt::Key_F5, Qt::ShiftModifier | Qt::AltModifier);
    EXPECT_EQ(e.text()->toPlainText(), u"Hi² all"_s);

    cursor = e.text()->textCursor();
    cursor.setPosition(4);
    cursor.setPosition(7, QTextCursor::KeepAnchor); // "all" selected
    e.text()->setTextCursor(cursor);
    QTest::keyClick(e.text(), Qt::Key_F2, Qt::ControlModifier);
    EXPECT_EQ(e.text()->toPlainText(), u"Hi² °"_s);

    // The gestures are the host's typing: they reach the set at the next store.
    e.click(2);
    EXPECT_EQ(e.t.console.macros[1].Text, u"Hi² °"_s);
}
