#pragma once

#include "records/FileError.h"

#include <QString>

#include <optional>
#include <variant>

// The record files are 8-bit Windows-1252 text. Each call opens, reads or writes, and closes.

// The most a record file may hold when read: far beyond any real one.
inline constexpr qint64 MaxTextFileBytes = 64 * 1024 * 1024;

// The whole file, or the failure that stopped the reading (a file over the limit included).
std::variant<QString, FileError> ReadTextFile(const QString& path);

// Replaces the file at once: a failure leaves the old file whole. Empty on success.
std::optional<FileError> SaveTextFile(const QString& path, const QString& text);

// Whether a write waits for the disk before returning, or leaves that to a later SyncTextFile.
enum class FileSync
{
    Now,
    Later
};

// Appends to the file (created when missing). The text is written at once, so a crash of the
// program loses nothing; with FileSync::Now it is also on disk before returning, so that a
// power cut loses no entry that was made. Empty on success.
std::optional<FileError> AppendTextFile(const QString& path, const QString& text,
                                        FileSync sync = FileSync::Now);

// Has what was written to the file on disk. Empty on success.
std::optional<FileError> SyncTextFile(const QString& path);

// Creates the file anew with the text, on disk before returning. Empty on success.
std::optional<FileError> CreateTextFile(const QString& path, const QString& text);
