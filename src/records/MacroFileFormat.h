#pragma once

#include "macros/MacroRecord.h"
#include "records/FileError.h"

#include <QString>

#include <optional>

class TextLines;

// The macro file: "[Macro n]" blocks of a name line and text lines ended by an empty line.

// Reads the file over the table; slots the file does not mention keep what they held. The
// failure that stopped it, or nothing.
std::optional<FileError> ReadMacroFile(const QString& path, MacroTable& macros);

// Reads blocks from a header line already read until block 20 or an end line followed by
// one more line, then imposes the built-ins again. On a failure the slots read so far keep
// their new contents, the built-ins are left alone and the failure is returned.
std::optional<FileError> ReadMacroBlocks(MacroTable& macros, TextLines& lines, QString line);

// The file's text: twenty blocks, "[End Macros]" and an empty line, CR LF throughout.
QString MacroFileText(const MacroTable& macros);
