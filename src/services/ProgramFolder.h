#pragma once

#include <QString>

// What decides where the program keeps its files.
struct ProgramFolderPlaces
{
    QString Home;           // QUILLO_HOME; empty when unset
    QString ExecutableDir;  // the folder of the running executable
    bool Installed = false; // the executable is an installed one, not a portable copy or a build
    QString UserFolder;     // the user's own folder for the program's data
};

// The folder every file of the program lives in: QUILLO_HOME when set; else the executable's
// folder when it is writable and no installed program's (a portable copy keeps its files
// beside itself); else the user's own folder, created here when missing. Platform separators,
// no trailing separator.
QString ChooseProgramFolder(const ProgramFolderPlaces& places);

// The same with the places of this process: the environment, and the user's data folder of
// the running application (QStandardPaths::AppDataLocation).
QString ProgramFolder(const QString& executableDir);
