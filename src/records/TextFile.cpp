#include "records/TextFile.h"

#include "records/AppendFile.h"
#include "records/DiskWrites.h"
#include "text/Cp1252.h"

#include <QFile>
#include <QSaveFile>

std::variant<QString, FileError> ReadTextFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return FileErrorOf(file);
    // Every record file is a few kilobytes; a path that names a device or a runaway file
    // must not make us read without end.
    QByteArray bytes;
    char chunk[64 * 1024];
    for (;;) {
        const qint64 read = file.read(chunk, sizeof chunk);
        if (read < 0)
            return FileErrorOf(file);
        if (read == 0)
            break;
        bytes.append(chunk, static_cast<qsizetype>(read));
        if (bytes.size() > MaxTextFileBytes)
            return FaultError(FileFault::TooLarge);
    }
    return FromCp1252(bytes);
}

std::optional<FileError> SaveTextFile(const QString& path, const QString& text)
{
    // Unbuffered: a write that fails late (a full disk) must fail here; a failure in the
    // flush at commit would not be reported, and the short file would replace the old one.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return FileErrorOf(file);
    if (!WriteAll(file, ToCp1252(text))) {
        const FileError error = FileErrorOf(file);
        file.cancelWriting();
        return error;
    }
    if (!file.commit())
        return FileErrorOf(file);
    return std::nullopt;
}

std::optional<FileError> AppendTextFile(const QString& path, const QString& text)
{
    AppendFile file(path);
    if (auto error = file.Append(text))
        return error;
    return file.Sync();
}

std::optional<FileError> SyncTextFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return FileErrorOf(file);
    if (const int error = SyncToDisk(file); error != 0)
        return SystemFileError(error);
    return std::nullopt;
}

std::optional<FileError> CreateTextFile(const QString& path, const QString& text)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        return FileErrorOf(file);
    if (!WriteAll(file, ToCp1252(text)))
        return FileErrorOf(file);
    if (const int error = SyncToDisk(file); error != 0)
        return SystemFileError(error);
    file.close();
    if (file.error() != QFileDevice::NoError)
        return FileErrorOf(file);
    return std::nullopt;
}
