#include "console/Console.h"
#include "support/UiConsole.h"
#include "support/WaitUntil.h"
#include "ui/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPointer>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QWidget* topLevel(const QString& name)
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == name && w->isVisible())
            return w;
    }
    return nullptr;
}

} // namespace

TEST(DialogWiring, SettingsAndEditMacrosTakeThePlaceOfTheConsoleUntilClosed)
{
    UiConsole t;
    ASSERT_EQ(t.Start(), ConsoleSession::Outcome::Running);
    MainWindow& console = t.Window();

    t.Action(u"mnuSettings"_s)->trigger();
    QPointer<QWidget> settings = topLevel(u"frmSettings"_s);
    ASSERT_NE(settings, nullptr);
    EXPECT_FALSE(console.isVisible());
    settings->findChild<QLineEdit*>(u"txtRegChar"_s)->setText(u"#"_s);
    settings->close();
    EXPECT_TRUE(console.isVisible());
    EXPECT_EQ(t.TheConsole().settings.RegChar, u"#"_s);
    EXPECT_TRUE(t.SettingsText().contains(u"\r\nRegChar=#\r\n"_s));
    EXPECT_TRUE(WaitUntil([&] { return settings.isNull(); }));

    t.Action(u"mnuEditMacros"_s)->trigger();
    QPointer<QWidget> editor = topLevel(u"frmMacro"_s);
    ASSERT_NE(editor, nullptr);
    EXPECT_FALSE(console.isVisible());
    editor->close();
    EXPECT_TRUE(console.isVisible());
    EXPECT_TRUE(WaitUntil([&] { return editor.isNull(); }));
    EXPECT_TRUE(console.isVisible());
    EXPECT_TRUE(t.TheConsole().controls.Visible);
}

TEST(DialogWiring, TheConsoleComesBackWhereItStoodBeforeEachDialog)
{
    UiConsole t;
    ASSERT_EQ(t.Start(), ConsoleSession::Outcome::Running);
    MainWindow& console = t.Window();
    console.move(210, 140);
    const QPoint stood = console.pos();

    for (const auto& [item, dialog] :
         {std::pair{u"mnuSettings"_s, u"frmSettings"_s},
          std::pair{u"mnuEditMacros"_s, u"frmMacro"_s}, std::pair{u"mnuAbout"_s, u"frmAbout"_s}}) {
        t.Action(item)->trigger();
        QPointer<QWidget> open = topLevel(dialog);
        ASSERT_NE(open, nullptr) << dialog.toStdString();
        ASSERT_FALSE(console.isVisible());
        // A window manager places a window that is shown again anew, unless it is told where.
        console.move(3, 7);
        open->close();
        ASSERT_TRUE(WaitUntil([&] { return open.isNull() && console.isVisible(); }))
            << dialog.toStdString();
        EXPECT_EQ(console.pos(), stood) << dialog.toStdString();
    }

    // The next shutdown keeps that place.
    console.close();
    const int left = stood.x() * 1440 / console.logicalDpiX();
    EXPECT_TRUE(t.SettingsText().contains(u"\r\nLeft= %1 \r\n"_s.arg(left)));
}
