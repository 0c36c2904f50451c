#pragma once

#include "records/FileError.h"

#include <QFile>
#include <QString>

#include <optional>

// A record file held open through a run of appends, so that a run of many lines costs one open
// and one wait for the disk rather than one of each a line. Every line is written at once,
// unbuffered, so a crash of the program loses none; Sync has them on disk.
class AppendFile
{
public:
    explicit AppendFile(QString path);

    // Appends the text (the file created when missing). Empty on success.
    std::optional<FileError> Append(const QString& text);

    // Lets the file go, unsynced. The next Append opens it again: whoever acts meanwhile (a
    // new game removing the file) is not written past.
    void Close();

    // Whether lines were appended since the last Sync.
    bool Unsynced() const;

    // Has every line appended since the last Sync on disk. Empty on success, and when nothing
    // was appended.
    std::optional<FileError> Sync();

private:
    QFile file_;
    bool unsynced_ = false;
};
