#pragma once

#include "FileBytes.h"
#include "TestConsole.h"
#include "macros/MacroRecord.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// A test console for the macro editor: the built-ins and three macros of the host's
// (1 "Hello", 3 "Rules" with two lines, 5 "Bye").
struct EditorConsole : TestConsole
{
    EditorConsole();

    MacroRecord& Macro(int slot);
    QStringList FilesInFolder() const;
};
