#include "EditorConsole.h"

#include "macros/BuiltInMacros.h"

#include <QDir>
#include <QFile>

EditorConsole::EditorConsole()
{
    SetBuiltInMacros(console.macros);
    Macro(1) = {QStringLiteral("Hello"), QStringLiteral("Hi all")};
    Macro(3) = {QStringLiteral("Rules"), QStringLiteral("Higher or lower?\r\nWager first.")};
    Macro(5) = {QStringLiteral("Bye"), QStringLiteral("Thanks for coming")};
}

MacroRecord& EditorConsole::Macro(int slot)
{
    return console.macros[static_cast<std::size_t>(slot)];
}

QStringList EditorConsole::FilesInFolder() const
{
    return QDir(folder.path()).entryList(QDir::Files);
}
