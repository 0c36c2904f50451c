#include "chat/ChatLink.h"
#include "room/PracticeRoom.h"
#include "support/FakeToolkit.h"
#include "support/UiConsole.h"
#include "support/WaitUntil.h"
#include "ui/PracticeRoomWindow.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct RoomWindow
{
    RoomWindow() : window(room)
    {
        window.show();
    }
    template <typename T> T* find(const QString& name)
    {
        return window.findChild<T*>(name);
    }
    void type(const QString& name, const QString& text)
    {
        auto* box = find<QLineEdit>(name);
        box->clear();
        QTest::keyClicks(box, text);
    }
    QString shown()
    {
        return find<QPlainTextEdit>(u"txtRoomChat"_s)->toPlainText();
    }

    PracticeRoom room{u"Host"_s};
    PracticeRoomWindow window;
};

} // namespace

TEST(PracticeRoomWindow, TheKeyboardSpeaksAndSendsEspsAsAnyAvatar)
{
    RoomWindow r;
    r.type(u"txtAvatar"_s, u"Ann"_s);
    r.type(u"txtRoomLine"_s, u"hello all"_s);
    QTest::mouseClick(r.find<QPushButton>(u"cmdRoomSay"_s), Qt::LeftButton);
    r.type(u"txtRoomLine"_s, u"°"_s);
    QTest::mouseClick(r.find<QPushButton>(u"cmdRoomEsp"_s), Qt::LeftButton);

    const QByteArray chat = r.room.ChatText();
    EXPECT_TRUE(chat.contains("Ann: hello all\r\n"));
    EXPECT_TRUE(r.shown().contains(u"Ann: hello all\n"_s));
    EXPECT_TRUE(r.shown().contains(u"ESP from Ann: <"_s));
    EXPECT_FALSE(r.shown().contains(u"°"_s)); // a gesture alone shows as its tag
    EXPECT_TRUE(r.find<QLineEdit>(u"txtRoomLine"_s)->text().isEmpty());

    // Without a name nothing is said.
    r.type(u"txtAvatar"_s, QString());
    r.type(u"txtRoomLine"_s, u"anonymous"_s);
    QTest::mouseClick(r.find<QPushButton>(u"cmdRoomSay"_s), Qt::LeftButton);
    EXPECT_EQ(r.room.ChatText(), chat);
}

TEST(PracticeRoomWindow, ShowsTheHostsLinesLiveUnderTheNameSetHere)
{
    RoomWindow r;
    r.type(u"txtHostAvatar"_s, u"Quilla"_s);
    QTest::mouseClick(r.find<QPushButton>(u"cmdSetHost"_s), Qt::LeftButton);
    EXPECT_EQ(r.room.HostAvatar(), u"Quilla"_s);

    FakeToolkit toolkit;
    ChatLink link(r.room, toolkit, u"quillo"_s);
    ASSERT_TRUE(link.InitDDE());
    link.DapiRegister();
    link.SayLine(ChatModeRoom, QString(), u"Welcome to Quillo"_s);
    EXPECT_TRUE(WaitUntil([&r] { return r.shown().contains(u"Quilla: Welcome to Quillo"_s); }));
}

TEST(PracticeRoomWindow, ShowsBesideTheConsoleOnlyOnceTheConsoleHasBeenPlaced)
{
    UiConsole t;
    ASSERT_EQ(t.Start(), ConsoleSession::Outcome::Running);
    PracticeRoomWindow room(t.room);
    room.ShowBeside(t.Window());
    EXPECT_FALSE(room.isVisible());
    // Where the window manager puts the console as it maps it, after start-up has shown it.
    t.Window().move(40, 90);

    ASSERT_TRUE(WaitUntil([&room] { return room.isVisible(); }));
    const QRect console = t.Window().frameGeometry();
    EXPECT_EQ(room.pos(), QPoint(console.right() + 12, console.top()));
    EXPECT_FALSE(room.frameGeometry().intersects(console));
}
