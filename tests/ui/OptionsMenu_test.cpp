#include "console/Console.h"
#include "support/UiConsole.h"
#include "support/WaitUntil.h"
#include "ui/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(OptionsMenu, ASpeedItemWritesTheDelayAtOnceAndChecksItselfAlone)
{
    UiConsole t;
    ASSERT_EQ(t.Start(), ConsoleSession::Outcome::Running);
    t.Action(u"mnuMedium"_s)->trigger();
    EXPECT_EQ(t.TheConsole().settings.Delay, SpeedMedium);
    EXPECT_TRUE(t.SettingsText().contains(u"\r\nDelay= 2 \r\n"_s));
    EXPECT_TRUE(t.Action(u"mnuMedium"_s)->isChecked());
    EXPECT_FALSE(t.Action(u"mnuVeryFast"_s)->isChecked());
    EXPECT_FALSE(t.Action(u"mnuFast"_s)->isChecked());
    EXPECT_FALSE(t.Action(u"mnuSlow"_s)->isChecked());

    // The checked item chosen again stays checked and saves again.
    QFile::remove(t.Path(u"quillo.ini"_s));
    t.Action(u"mnuMedium"_s)->trigger();
    EXPECT_TRUE(t.Action(u"mnuMedium"_s)->isChecked());
    EXPECT_TRUE(t.SettingsText().contains(u"\r\nDelay= 2 \r\n"_s));

    t.Action(u"mnuSlow"_s)->trigger();
    EXPECT_TRUE(t.SettingsText().contains(u"\r\nDelay= 3 \r\n"_s));
    EXPECT_FALSE(t.Action(u"mnuMedium"_s)->isChecked());
}

TEST(OptionsMenu, StayOnTopToggledTwiceReturnsAndWaitsForTheNextSave)
{
    UiConsole t;
    ASSERT_EQ(t.Start(), ConsoleSession::Outcome::Running);
    MainWindow& w = t.Window();
    QAction* onTop = t.Action(u"mnuOnTop"_s);
    ASSERT_FALSE(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    const QPoint at = w.pos();

    onTop->trigger();
    EXPECT_TRUE(onTop->isChecked());
    EXPECT_TRUE(t.TheConsole().settings.OnTop);
    EXPECT_TRUE(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(w.isVisible());
    EXPECT_FALSE(QFile::exists(t.Path(u"quillo.ini"_s))); // not written here

    onTop->trigger();
    EXPECT_FALSE(onTop->isChecked());
    EXPECT_FALSE(t.TheConsole().settings.OnTop);
    EXPECT_FALSE(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.pos(), at);
    EXPECT_FALSE(QFile::exists(t.Path(u"quillo.ini"_s)));

    onTop->trigger();
    w.close();
    EXPECT_TRUE(t.SettingsText().contains(u"\r\nOnTop=True\r\n"_s));
}

TEST(OptionsMenu, AboutHidesTheConsoleUntilTheBoxCloses)
{
    UiConsole t;
    ASSERT_EQ(t.Start(), ConsoleSession::Outcome::Running);
    MainWindow& w = t.Window();
    t.Action(u"mnuAbout"_s)->trigger();
    auto* about = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!about) {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->objectName() == u"frmAbout" && top->isVisible())
                about = qobject_cast<QDialog*>(top);
        }
    }
    ASSERT_NE(about, nullptr);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(about->windowTitle(), u"About Quillo Single"_s);
    EXPECT_EQ(about->findChild<QLabel*>(u"lblTitle"_s)->text(), u"Quillo Single"_s);
    EXPECT_EQ(about->findChild<QLabel*>(u"lblVersion"_s)->text(), u"Single Player Version 3.0.0"_s);
    // The folder in use, whole under the pointer (the line may shorten a long one).
    const QLabel* folder = about->findChild<QLabel*>(u"lblFolder"_s);
    EXPECT_EQ(folder->toolTip(), QDir::toNativeSeparators(t.TheConsole().programFolder));
    EXPECT_TRUE(folder->text().startsWith(u"Files in "_s));

    QPointer<QDialog> open = about;
    QTest::keyClick(about, Qt::Key_Escape);
    ASSERT_TRUE(WaitUntil([&open] { return open.isNull(); }));
    EXPECT_TRUE(w.isVisible());

    // Enter closes it too.
    t.Action(u"mnuAbout"_s)->trigger();
    QDialog* again = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() == u"frmAbout" && top->isVisible())
            again = qobject_cast<QDialog*>(top);
    }
    ASSERT_NE(again, nullptr);
    open = again;
    QTest::keyClick(again, Qt::Key_Return);
    ASSERT_TRUE(WaitUntil([&open] { return open.isNull(); }));
    EXPECT_TRUE(w.isVisible());
}

TEST(OptionsMenu, DealCardsChecksItselfAndIsKeptAtOnce)
{
    UiConsole t;
    ASSERT_EQ(t.Start(), ConsoleSession::Outcome::Running);
    QAction* deal = t.Action(u"mnuDealCards"_s);
    ASSERT_NE(deal, nullptr);
    EXPECT_TRUE(deal->isCheckable());
    EXPECT_FALSE(deal->isChecked());
    EXPECT_EQ(deal->text(), u"Deal Cards"_s);

    deal->trigger();
    EXPECT_TRUE(deal->isChecked());
    EXPECT_TRUE(t.TheConsole().settings.DealCards);
    EXPECT_TRUE(t.SettingsText().contains(u"\r\nDealCards=True\r\n"_s));

    deal->trigger();
    EXPECT_FALSE(deal->isChecked());
    EXPECT_FALSE(t.SettingsText().contains(u"Deal"_s));
}
