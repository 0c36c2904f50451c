#pragma once

#include "room/PracticeRoom.h"
#include "support/FixedClock.h"
#include "ui/ConsoleSession.h"
#include "ui/MainWindow.h"
#include "ui/WidgetToolkit.h"

#include <QList>
#include <QTemporaryDir>

#include <deque>

class QAction;
class QMenu;

// A whole console run for a UI test: a fresh program folder, the practice room, the real
// windows and toolkit, and every message box answered from a queue (Cancel when it runs dry)
// and recorded, so no test blocks on a modal box.
struct UiConsole
{
    UiConsole();
    // A console in a folder the test made (a scratch disk), not a fresh one of its own.
    explicit UiConsole(const QString& programFolder);
    ~UiConsole();

    // Writes quillo.ini (lines joined with CR LF, an empty line closing the section).
    void WriteSettings(const QStringList& lines);
    QString SettingsText() const;
    QString Path(const QString& fileName) const;

    ConsoleSession::Outcome Start();
    MainWindow& Window();
    Console& TheConsole();
    template <typename T> T* Find(const QString& name);
    QAction* Action(const QString& name);

    QTemporaryDir folder;
    QString home; // the program folder: `folder` unless the test named another
    PracticeRoom room;
    FixedClock clock;
    ConsoleSession session;
    QList<WidgetToolkit::ShownBox> boxes;
    std::deque<Toolkit::Answer> answers;
};

template <typename T> T* UiConsole::Find(const QString& name)
{
    return Window().findChild<T*>(name);
}
