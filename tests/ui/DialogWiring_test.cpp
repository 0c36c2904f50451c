#include "game/Console.h"
#include "support/UiConsole.h"
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
    ASSERT_EQ(t.start(), ConsoleSession::Outcome::Running);
    MainWindow& console = t.window();

    t.action(u"mnuSettings"_s)->trigger();
    QPointer<QWidget> settings = topLevel(u"frmSettings"_s);
    ASSERT_NE(settings, nullptr);
    EXPECT_FALSE(console.isVisible());
    settings->findChild<QLineEdit*>(u"txtRegChar"_s)->setText(u"#"_s);
    settings->close();
    EXPECT_TRUE(console.isVisible());
    EXPECT_EQ(t.console().settings.RegChar, u"#"_s);
    EXPECT_TRUE(t.settingsText().contains(u"\r\nRegChar=#\r\n"_s));
    EXPECT_TRUE(WaitUntil([&] { return settings.isNull(); }));

    t.action(u"mnuEditMacros"_s)->trigger();
    QPointer<QWidget> editor = topLevel(u"frmMacro"_s);
    ASSERT_NE(editor, nullptr);
    EXPECT_FALSE(console.isVisible());
    editor->close();
    EXPECT_TRUE(console.isVisible());
    EXPECT_TRUE(WaitUntil([&] { return editor.isNull(); }));
    EXPECT_TRUE(console.isVisible());
    EXPECT_TRUE(t.console().controls.Visible);
}
