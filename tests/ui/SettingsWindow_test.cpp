#include "console/SettingsFile.h"
#include "support/FileBytes.h"
#include "support/TestConsole.h"
#include "ui/SettingsWindow.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

template <typename T> T* control(QWidget& window, const QString& name)
{
    T* found = window.findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
}

} // namespace

TEST(SettingsWindow, OpensWithTheSettingsAndClosingUntouchedRewritesTheSameFile)
{
    TestConsole t;
    Settings& s = t.console.settings;
    s.RegChar = u"#"_s;
    s.Start = 7;
    s.Confirm = false;
    s.Lose = u"too bad %player%"_s;
    ASSERT_TRUE(SaveSettings(t.console));
    const QByteArray before = ReadBytes(t.Path(u"quillo.ini"_s));

    QWidget console; // hidden while the dialog is open
    t.console.controls.Visible = false;
    auto* dialog = new SettingsWindow(t.console, &console);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QPointer<SettingsWindow> alive = dialog;
    dialog->show();
    EXPECT_EQ(dialog->windowTitle(), u"Settings"_s);
    EXPECT_EQ(dialog->size(), QSize(354, 278));
    EXPECT_EQ(dialog->palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0x00));
    EXPECT_TRUE(dialog->font().bold());
    EXPECT_EQ(control<QLineEdit>(*dialog, u"txtRegChar"_s)->text(), u"#"_s);
    EXPECT_EQ(control<QLineEdit>(*dialog, u"txtStartingScore"_s)->text(), u"7"_s);
    EXPECT_FALSE(control<QCheckBox>(*dialog, u"chkConfirm"_s)->isChecked());
    EXPECT_EQ(control<QLineEdit>(*dialog, u"txtLose"_s)->text(), u"too bad %player%"_s);
    EXPECT_EQ(control<QLineEdit>(*dialog, u"txtCall"_s)->text(), s.Call);
    EXPECT_EQ(control<QGroupBox>(*dialog, u"fraCall"_s)->title(), u"Player call Message"_s);
    EXPECT_EQ(control<QCheckBox>(*dialog, u"chkConfirm"_s)->text(), u"Confirm Reg?"_s);

    QFile::remove(t.Path(u"quillo.ini"_s));
    QTest::mouseClick(control<QPushButton>(*dialog, u"cmdClose"_s), Qt::LeftButton);
    EXPECT_EQ(ReadBytes(t.Path(u"quillo.ini"_s)), before);
    EXPECT_TRUE(console.isVisible());
    EXPECT_TRUE(t.console.controls.Visible);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(alive.isNull());
}

TEST(SettingsWindow, KeyboardOrderRunsFromTheRegistrationBoxToTheCallMessage)
{
    TestConsole t;
    SettingsWindow dialog(t.console, nullptr);
    QStringList order;
    QWidget* w = control<QLineEdit>(dialog, u"txtRegChar"_s);
    for (int i = 0; i < 8; ++i) {
        order.append(w->objectName());
        do
            w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus) || w == &dialog);
    }
    EXPECT_EQ(order,
              (QStringList{u"txtRegChar"_s, u"txtWin"_s, u"txtLose"_s, u"txtPush"_s,
                           u"txtStartingScore"_s, u"chkConfirm"_s, u"cmdClose"_s, u"txtCall"_s}));
}

TEST(SettingsWindow, TheTitleBarCloseAppliesEditsLikeClose)
{
    TestConsole t;
    QWidget console;
    SettingsWindow dialog(t.console, &console);
    dialog.show();
    control<QLineEdit>(dialog, u"txtWin"_s)->clear();
    auto* score = control<QLineEdit>(dialog, u"txtStartingScore"_s);
    score->setText(u"  12  "_s);
    control<QCheckBox>(dialog, u"chkConfirm"_s)->setChecked(false);

    dialog.close();
    EXPECT_EQ(t.console.settings.WTG, u""_s);
    EXPECT_EQ(t.console.settings.Start, 12);
    EXPECT_FALSE(t.console.settings.Confirm);
    const QByteArray written = ReadBytes(t.Path(u"quillo.ini"_s));
    EXPECT_TRUE(written.contains("\r\nWTG=\r\n"));
    EXPECT_TRUE(written.contains("\r\nStart= 12 \r\n"));
    EXPECT_TRUE(console.isVisible());

    SettingsWindow again(t.console, nullptr);
    control<QLineEdit>(again, u"txtStartingScore"_s)->setText(u"2.5"_s);
    again.close();
    EXPECT_EQ(t.console.settings.Start, 2);
}

TEST(SettingsWindow, TheRegistrationBoxShowsWhatTheKeyAndShiftAloneSay)
{
    TestConsole t;
    SettingsWindow dialog(t.console, nullptr);
    dialog.show();
    auto* box = control<QLineEdit>(dialog, u"txtRegChar"_s);

    QTest::keyClick(box, Qt::Key_A);
    EXPECT_EQ(box->text(), u"a"_s);
    QTest::keyClick(box, Qt::Key_A, Qt::ShiftModifier);
    EXPECT_EQ(box->text(), u"A"_s);
    QTest::keyClick(box, Qt::Key_4, Qt::ShiftModifier);
    EXPECT_EQ(box->text(), u"$"_s);
    QTest::keyClick(box, Qt::Key_F5, Qt::ShiftModifier);
    EXPECT_EQ(box->text(), u"²"_s);
    QTest::keyClick(box, Qt::Key_F5);
    EXPECT_EQ(box->text(), u"²"_s);
    QTest::keyClick(box, Qt::Key_F5, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(box->text(), u"²"_s);

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // The layout typed "$" for Shift and the 4 key (keyboard code 13): the key decides.
    QKeyEvent dollar(QEvent::KeyRelease, Qt::Key_Dollar, Qt::ShiftModifier, 13, 0x24, 0, u"$"_s);
    box->setText(u"?"_s);
    QCoreApplication::sendEvent(box, &dollar);
    EXPECT_EQ(box->text(), u"$"_s);
    // A layout whose 1 key types "&" unshifted (keyboard code 10) still gives "1".
    QKeyEvent ampersand(QEvent::KeyRelease, Qt::Key_Ampersand, Qt::NoModifier, 10, 0x26, 0, u"&"_s);
    QCoreApplication::sendEvent(box, &ampersand);
    EXPECT_EQ(box->text(), u"1"_s);
#endif

    dialog.close();
    EXPECT_EQ(t.console.settings.RegChar, box->text());
}
