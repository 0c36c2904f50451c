#include "console/Console.h"
#include "support/FileBytes.h"
#include "support/UiConsole.h"
#include "support/WaitUntil.h"
#include "text/Cp1252.h"
#include "ui/MainWindow.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

void writeFile(const QString& path, const QString& text)
{
    ASSERT_TRUE(WriteBytes(path, ToCp1252(text)));
}

} // namespace

TEST(RecordsMenus, MonthlyModesSaveAndListFromTheMenus)
{
    UiConsole t;
    ASSERT_EQ(t.Start(), ConsoleSession::Outcome::Running);
    QAction* all = t.Action(u"mnuMonthlyAll"_s);
    QAction* dow = t.Action(u"mnuMonthlyDOW"_s);
    QAction* list = t.Find<QMenu>(u"mnuList"_s)->menuAction();

    all->trigger();
    EXPECT_TRUE(all->isChecked());
    EXPECT_FALSE(dow->isChecked());
    EXPECT_TRUE(list->isEnabled());
    all->trigger();
    EXPECT_FALSE(all->isChecked());
    EXPECT_FALSE(list->isEnabled());
    dow->trigger();
    EXPECT_TRUE(dow->isChecked());
    EXPECT_FALSE(all->isChecked());
    EXPECT_TRUE(list->isEnabled());

    Console& c = t.TheConsole();
    c.game.PlayerCount = 1;
    c.game.PlayerTable[1].Name = u"Ann"_s;
    c.game.PlayerTable[1].Score = 1250;
    t.Action(u"mnuMSave"_s)->trigger();
    EXPECT_EQ(ReadBytes(c.settings.MonthlyFile), QByteArray("[Monthly]\r\nAnn= 1250 \r\n"));
    EXPECT_TRUE(t.boxes.isEmpty());

    t.Action(u"mnuMThis"_s)->trigger();
    EXPECT_TRUE(t.room.SaidLines().contains(u"Ann -- 1"_s + QLocale::system().groupSeparator() +
                                            u"250 points"_s));
    EXPECT_TRUE(t.Find<QPushButton>(u"cmdSay"_s)->isEnabled()); // the lock is released

    const QString other = t.Path(u"QOPFebruary03.txt"_s);
    writeFile(other, u"[Monthly]\r\nZed= 7 \r\n"_s);
    QString filterShown;
    t.session.Toolkit().SetFileAnswerer([&](const QString& filter, bool) {
        filterShown = filter;
        return std::optional<QString>(other);
    });
    t.Action(u"mnuMOther"_s)->trigger();
    EXPECT_FALSE(filterShown.isEmpty());
    EXPECT_TRUE(filterShown.contains(u"QOP*.txt"_s));
    EXPECT_TRUE(t.room.SaidLines().contains(u"Zed -- 7 points"_s));
}

TEST(RecordsMenus, CtrlRRecoversTheGameIntoTheWindowOnce)
{
    UiConsole t;
    ASSERT_EQ(t.Start(), ConsoleSession::Outcome::Running);
    Console& c = t.TheConsole();
    writeFile(c.settings.PlayersFile, u"Ann\r\nBob\r\n"_s);
    writeFile(c.settings.LogFile, u"v\r\nm\r\nt\r\nHost="_s + t.room.HostAvatar() +
                                      u"\r\n\r\n+++++++++++++++++++++++++\r\nBob\r\n"
                                      u" 10    7  4      higher\r\n"_s);
    QAction* recover = t.Action(u"mnuRecover"_s);
    EXPECT_EQ(recover->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_R));
    t.Window().show();
    t.Window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&t.Window()));
    QTest::keyClick(&t.Window(), Qt::Key_R, Qt::ControlModifier);
    ASSERT_TRUE(WaitUntil([&] { return c.game.RoundState == RoundAskForWager; }));

    EXPECT_EQ(t.Find<QPushButton>(u"cmdSay"_s)->text(), u"Ask for Wager"_s);
    EXPECT_EQ(t.Find<QLineEdit>(u"txtPlayer"_s)->text(), u"Bob"_s);
    EXPECT_EQ(t.Find<QListWidget>(u"lstPlayers"_s)->count(), 2);
    EXPECT_EQ(t.room.SaidLines().last(), u"Current Player is Bob"_s);
    EXPECT_FALSE(recover->isEnabled());
}
