#include "records/AppendFile.h"

#include "records/DiskWrites.h"
#include "records/TextFile.h"
#include "text/Cp1252.h"

#include <utility>

AppendFile::AppendFile(QString path) : file_(std::move(path)) {}

std::optional<FileError> AppendFile::Append(const QString& text)
{
    if (!file_.isOpen() &&
        !file_.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return FileErrorOf(file_);
    if (!WriteAll(file_, ToCp1252(text)))
        return FileErrorOf(file_);
    unsynced_ = true;
    return std::nullopt;
}

void AppendFile::Close()
{
    file_.close();
}

bool AppendFile::Unsynced() const
{
    return unsynced_;
}

std::optional<FileError> AppendFile::Sync()
{
    if (!unsynced_)
        return std::nullopt;
    unsynced_ = false;
    if (!file_.isOpen())
        return SyncTextFile(file_.fileName());
    if (const int error = SyncToDisk(file_); error != 0)
        return SystemFileError(error);
    return std::nullopt;
}
