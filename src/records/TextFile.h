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

// Appends to the file (created when missing), on disk before returning, so that a power cut
// loses no entry that was made. A run of many lines goes through one AppendFile instead.
// Empty on success.
std::optional<FileError> AppendTextFile(const QString& path, const QString& text);

// Has what was written to the file on disk. Empty on success.
std::optional<FileError> SyncTextFile(const QString& path);

// Creates the file anew with the text, on disk before returning. Empty on success.
std::optional<FileError> CreateTextFile(const QString& path, const QString& text);
