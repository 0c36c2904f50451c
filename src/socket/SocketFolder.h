#pragma once

#include <QString>

// The one rule for a folder that holds a chat client's socket (and the IRC bridge's lock and
// log): another user of the machine must not be able to move the socket aside and put his own
// in its place, nor read what lies beside it. A folder made here is made with mode 0700; a
// folder found must be a real folder (not a symbolic link) of the user's own that nobody else
// can write in, below folders nobody else can replace. Anything else is refused, never changed.

// The program's own socket folder: "quillo" in XDG_RUNTIME_DIR when that is a usable runtime
// folder (absolute, the user's own, mode 0700), else "quillo-UID" in the temporary folder.
QString DefaultSocketFolder();
// The same from given values, for a caller that has them at hand.
QString DefaultSocketFolder(const QString& runtimeFolder, const QString& temporaryFolder);

// Where XDG_RUNTIME_DIR is not a usable runtime folder (unset as under su or over ssh), makes
// the program's own socket folder and names it there, before Qt looks for one and warns. So
// the console, the room and a bridge started from them agree on one folder. Empty when the
// environment is as it was or now names that folder, else why the folder cannot be used.
QString UseOwnRuntimeFolder();

// Makes the folder (mode 0700) when it is missing, or checks the one found; the missing
// folders above it are made with mode 0700 too. Empty when the folder may be used, else why
// not, naming the folder: a message for the host.
QString PrepareSocketFolder(const QString& folder);
// Checks without making anything: for a console that is about to reach a socket there.
QString CheckSocketFolder(const QString& folder);
