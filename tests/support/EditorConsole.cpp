#include "EditorConsole.h"

#include "macros/BuiltInMacros.h"

#include <QDir>
#include <QFile>

EditorConsole::EditorConsole()
{
    SetBuiltInMacros(console.macros);
    macro(1) = {QStringLiteral("Hello"), QStringLiteral("Hi all")};
    macro(3) = {QStringLiteral("Rules"), QStringLiteral("Higher or lower?\r\nWager first.")};
    macro(5) = {QStringLiteral("Bye"), QStringLiteral("Thanks for coming")};
}

MacroRecord& EditorConsole::macro(int slot)
{
    return console.macros[static_cast<std::size_t>(slot)];
}

QStringList EditorConsole::filesInFolder() const
{
    return QDir(folder.path()).entryList(QDir::Files);
}
