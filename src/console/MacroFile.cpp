#include "console/MacroFile.h"

#include "console/Console.h"
#include "console/ProgramError.h"
#include "console/Toolkit.h"
#include "records/MacroFileFormat.h"
#include "records/TextFile.h"

void LoadMacros(Console& console)
{
    const QString& path = console.settings.MacroFile;
    if (path.isEmpty())
        return;
    console.toolkit.SetHourglass(true);
    if (const auto error = ReadMacroFile(path, console.macros)) {
        console.toolkit.SetHourglass(false);
        console.toolkit.MessageBox(QStringLiteral("Error = ") + QString::number(error->Number) +
                                       u'\n' + error->Description +
                                       QStringLiteral("\nProblem with Macro file.\n") + path,
                                   QStringLiteral("Problem with Macro File"));
        return;
    }
    console.toolkit.SetHourglass(false);
}

bool SaveMacros(Console& console)
{
    const QString& path = console.settings.MacroFile;
    if (path.isEmpty())
        return true;
    if (const auto error = SaveTextFile(path, MacroFileText(console.macros))) {
        if (!IsNotFound(*error))
            ShowProgramError(console.toolkit, *error, path);
        return false;
    }
    return true;
}
