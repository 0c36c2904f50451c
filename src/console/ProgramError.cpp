#include "console/ProgramError.h"

#include "console/Toolkit.h"
#include "records/FileError.h"

void ShowProgramError(Toolkit& toolkit, const FileError& error, const QString& path)
{
    toolkit.MessageBox(FileErrorText(error, QStringLiteral("Error with file ") + path),
                       QStringLiteral("Program Error"));
}
