#include "records/TextFile.h"

#include "text/Cp1252.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

// Past the system's buffers onto the disk.
int syncToDisk(QFile& file)
{
#ifdef Q_OS_WIN
    return _commit(file.handle()) == 0 ? 0 : errno;
#else
    return ::fsync(file.handle()) == 0 ? 0 : errno;
#endif
}

// Unbuffered, and on until every byte is taken: a short write (a disk that fills up) would
// otherwise pass unnoticed and leave a cut-off file, even through QSaveFile.
bool writeAll(QFileDevice& file, const QByteArray& bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

std::optional<FileError> writeSynced(const QString& path, const QString& text,
                                     QIODevice::OpenMode mode, FileSync sync = FileSync::Now)
{
    QFile file(path);
    if (!file.open(mode | QIODevice::Unbuffered))
        return FileErrorOf(file);
    if (!writeAll(file, ToCp1252(text)))
        return FileErrorOf(file);
    if (sync == FileSync::Now) {
        if (const int error = syncToDisk(file); error != 0)
            return SystemFileError(error);
    }
    file.close();
    if (file.error() != QFileDevice::NoError)
        return FileErrorOf(file);
    return std::nullopt;
}

} // namespace

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
    if (!writeAll(file, ToCp1252(text))) {
        const FileError error = FileErrorOf(file);
        file.cancelWriting();
        return error;
    }
    if (!file.commit())
        return FileErrorOf(file);
    return std::nullopt;
}

std::optional<FileError> AppendTextFile(const QString& path, const QString& text, FileSync sync)
{
    return writeSynced(path, text, QIODevice::WriteOnly | QIODevice::Append, sync);
}

std::optional<FileError> SyncTextFile(const QString& path)
{
    // The sync covers the file, whichever descriptor wrote to it.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return FileErrorOf(file);
    if (const int error = syncToDisk(file); error != 0)
        return SystemFileError(error);
    return std::nullopt;
}

std::optional<FileError> CreateTextFile(const QString& path, const QString& text)
{
    return writeSynced(path, text, QIODevice::WriteOnly | QIODevice::Truncate);
}
