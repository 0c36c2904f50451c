#include "UiConsole.h"

#include "ui/MainWindow.h"

#include <QAction>
#include <QDir>
#include <QFile>

UiConsole::UiConsole() : UiConsole(QString()) {}

UiConsole::UiConsole(const QString& programFolder)
    : home(programFolder.isEmpty() ? folder.path() : programFolder),
      clock(QDateTime(QDate(2003, 3, 1), QTime(21, 5))),
      session(room, clock, home, QStringLiteral("quillo"), {200, 2000})
{
    session.Toolkit().SetBoxAnswerer([this](const WidgetToolkit::ShownBox& shown) {
        boxes.append(shown);
        if (answers.empty())
            return Toolkit::Answer::Cancel;
        const auto answer = answers.front();
        answers.pop_front();
        return answer;
    });
    session.Toolkit().SetFileAnswerer([](const QString&, bool) { return std::nullopt; });
}

UiConsole::~UiConsole()
{
    session.Toolkit().SetHourglass(false);
}

void UiConsole::WriteSettings(const QStringList& lines)
{
    QFile file(Path(QStringLiteral("quillo.ini")));
    if (file.open(QIODevice::WriteOnly))
        file.write((lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n\r\n")).toLatin1());
}

QString UiConsole::SettingsText() const
{
    QFile file(Path(QStringLiteral("quillo.ini")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(file.readAll());
}

QString UiConsole::Path(const QString& fileName) const
{
    return QDir(home).filePath(fileName);
}

ConsoleSession::Outcome UiConsole::Start()
{
    return session.Start();
}

MainWindow& UiConsole::Window()
{
    return *session.Window();
}

Console& UiConsole::TheConsole()
{
    return session.TheConsole();
}

QAction* UiConsole::Action(const QString& name)
{
    return Window().findChild<QAction*>(name);
}
