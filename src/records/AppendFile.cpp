#include "records/AppendFile.h"

#include "records/DiskWrites.h"
#include "records/TextFile.h"
#include "text/Cp1252.h"

#include <utility>

AppendFile::AppendFile(QString path) : m_file(std::move(path)) {}

std::optional<FileError> AppendFile::Append(const QString& text)
{
    if (!m_file.isOpen() &&
        !m_file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return FileErrorOf(m_file);
    if (!WriteAll(m_file, ToCp1252(text)))
        return FileErrorOf(m_file);
    m_unsynced = true;
    return std::nullopt;
}

void AppendFile::Close()
{
    m_file.close();
}

bool AppendFile::Unsynced() const
{
    return m_unsynced;
}

std::optional<FileError> AppendFile::Sync()
{
    if (!m_unsynced)
        return std::nullopt;
    m_unsynced = false;
    if (!m_file.isOpen())
        return SyncTextFile(m_file.fileName());
    if (const int error = SyncToDisk(m_file); error != 0)
        return SystemFileError(error);
    return std::nullopt;
}
