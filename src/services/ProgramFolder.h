#pragma once

#include <QString>

// The folder every file of the program lives in: the one named by QUILLO_HOME when that is
// set, otherwise the executable's folder. Platform separators, no trailing separator.
QString ProgramFolder(const QString& executableDir);
