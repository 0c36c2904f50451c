#include "console/Console.h"
#include "support/HostHands.h"
#include "support/UiConsole.h"
#include "ui/MainWindow.h"
#include "ui/PracticeRoomWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// The pictures of the README's "Hosting a game", taken from the real windows while a game is
// played in the practice room. With QUILLO_README_PICTURES naming a folder they are written
// there (scripts/readme-pictures.sh writes docs/images/); otherwise each is compared with the
// committed one by its size alone, loosely, so that another machine's fonts do not fail it
// while a window that changed its shape does.

namespace {

const QString Committed = QStringLiteral(QUILLO_SOURCE_DIR "/docs/images");

struct Album
{
    QString writeTo = qEnvironmentVariable("QUILLO_README_PICTURES");
    QStringList taken;

    void take(QWidget& window, const QString& name)
    {
        const QImage shot = window.grab().toImage();
        ASSERT_FALSE(shot.isNull()) << name.toStdString();
        const QString file = name + u".png"_s;
        taken.append(file);
        if (!writeTo.isEmpty()) {
            ASSERT_TRUE(shot.save(QDir(writeTo).filePath(file))) << file.toStdString();
            return;
        }
        const QImage committed(QDir(Committed).filePath(file));
        ASSERT_FALSE(committed.isNull())
            << file.toStdString() << " is missing: run scripts/readme-pictures.sh";
        EXPECT_NEAR(shot.width(), committed.width(), committed.width() * 0.15)
            << file.toStdString();
        EXPECT_NEAR(shot.height(), committed.height(), committed.height() * 0.15)
            << file.toStdString();
    }
};

// The host's hands on the real widgets, in both windows.
struct Host : HostHands
{
    PracticeRoomWindow& room;

    void Wager(const QString& text, bool higher) const
    {
        HostHands::Wager(text);
        Guess(higher);
    }
    void Esp(const QString& avatar, const QString& text) const
    {
        room.findChild<QLineEdit*>(u"txtAvatar"_s)->setText(avatar);
        room.findChild<QLineEdit*>(u"txtRoomLine"_s)->setText(text);
        QTest::mouseClick(room.findChild<QPushButton*>(u"cmdRoomEsp"_s), Qt::LeftButton);
    }
};

} // namespace

TEST(ReadmePictures, AGameInThePracticeRoomStepByStep)
{
    UiConsole t;
    ASSERT_EQ(t.Start(), ConsoleSession::Outcome::Running);
    t.TheConsole().settings.Delay = SpeedVeryFast;
    PracticeRoomWindow roomWindow(t.room);
    roomWindow.show();
    Host host{{t}, roomWindow};
    Album album;
    MainWindow& console = t.Window();

    album.take(console, u"hosting-1-start"_s);
    host.Say(); // Start: the opening is said
    ASSERT_EQ(host.Caption(), u"Draw Player"_s);
    host.Esp(u"Bob"_s, u"$"_s);
    host.Macro(10); // Get Regs
    album.take(console, u"hosting-2-registered"_s);

    host.Say(); // Draw Player: Bob, the only one
    host.Card(0, u"5"_s);
    ASSERT_EQ(host.Caption(), u"Ask for Wager"_s);
    album.take(console, u"hosting-3-face-up-card"_s);
    host.Say();
    host.Wager(u"5"_s, true);
    ASSERT_EQ(host.Caption(), u"Say Wager"_s);
    album.take(console, u"hosting-4-wager"_s);
    host.Say(); // "OK 5 higher.  Please turn card 1"
    host.Card(1, u"9"_s);
    ASSERT_EQ(host.Caption(), u"Say Results"_s);
    album.take(console, u"hosting-5-turned-card"_s);
    host.Say();                   // a win: Bob has 15
    host.Esp(u"Alice"_s, u"$"_s); // a late player, registered between two cards
    host.Macro(10);

    // Bob stakes all on Lower over the 9 and turns a King: out at 0, his turn is over.
    host.Say();
    QTest::mouseClick(t.Find<QCheckBox>(u"chkAll"_s), Qt::LeftButton);
    host.Wager(QString(), false);
    host.Say();
    host.Card(2, u"K"_s);
    host.Say();
    ASSERT_EQ(host.Caption(), u"Draw Player"_s);
    EXPECT_TRUE(t.Find<QPushButton>(u"cmdSay"_s)->isEnabled()); // Alice is still to play
    const QStringList rows = t.TheConsole().controls.lstPlayers.Rows;
    ASSERT_EQ(rows.size(), 2);
    EXPECT_TRUE(rows[0].endsWith(u"10--Alice"_s));
    EXPECT_TRUE(rows[1].endsWith(u"0+Bob"_s));
    album.take(console, u"hosting-6-between-turns"_s);
    roomWindow.Refresh();
    album.take(roomWindow, u"hosting-7-practice-room"_s);

    // The README shows every picture, and no other stands in the folder unused.
    QFile readme(QStringLiteral(QUILLO_SOURCE_DIR "/README.md"));
    ASSERT_TRUE(readme.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(readme.readAll());
    for (const QString& file : album.taken)
        EXPECT_TRUE(text.contains(u"docs/images/"_s + file)) << file.toStdString();
    const QStringList committed = QDir(Committed).entryList({u"hosting-*.png"_s}, QDir::Files);
    for (const QString& file : committed)
        EXPECT_TRUE(album.taken.contains(file)) << file.toStdString();
}
