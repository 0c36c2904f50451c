#pragma once

#include <QString>
#include <QStringList>

// A file saved at once is written to a copy beside it first, named after the file with "." and
// six letters or digits added, and the copy then replaces the file. A console killed between
// the two leaves the copy behind, and every such kill would add one more.

// True for a name that can only be such a copy of a file this console saves at once in its
// folder: the settings file or a monthly points file.
bool IsLeftSaveCopy(const QString& fileName);

// Removes those copies from the folder and returns the names removed. Only for a console that
// holds its folder: no save of its own can be under way there then.
QStringList RemoveLeftSaveCopies(const QString& folder);
