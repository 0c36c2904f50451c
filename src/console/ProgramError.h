#pragma once

#include <QString>

class Toolkit;
struct FileError;

// "Program Error": the description, the number and "Error with file " with the path.
void ShowProgramError(Toolkit& toolkit, const FileError& error, const QString& path);
