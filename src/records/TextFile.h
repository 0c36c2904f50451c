#pragma once

#include "records/FileError.h"

#include <QString>

#include <optional>
#include <variant>

// The record files are 8-bit Windows-1252 text. Each call opens, reads or writes, and closes.

// The whole file, or the failure that stopped the reading.
std::variant<QString, FileError> ReadTextFile(const QString& path);

// Replaces the file at once: a failure leaves the old file whole. Empty on success.
std::optional<FileError> SaveTextFile(const QString& path, const QString& text);

// Appends to the file (created when missing) and has the text on disk before returning, so
// that a power cut loses no entry that was made. Empty on success.
std::optional<FileError> AppendTextFile(const QString& path, const QString& text);

// Creates the file anew with the text, on disk before returning. Empty on success.
std::optional<FileError> CreateTextFile(const QString& path, const QString& text);
