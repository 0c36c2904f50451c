#pragma once

#include "macros/MacroRecord.h"
#include "records/FileError.h"

#include <QString>

#include <optional>

struct Console;
class TextLines;

// Slots 8, 9 and 10: "Scores", "Call for Regs" and "Get Regs" with their texts.
void SetBuiltInMacros(MacroTable& macros);

// Reads the file named by MacroFile over the table under the hourglass; slots the file does
// not mention keep what they held. A failure is shown as "Problem with Macro File".
// Nothing happens when no file is named.
void LoadMacros(Console& console);

// Reads blocks from a header line already read until block 20 or an end line followed by
// one more line, then imposes the built-ins again. On a failure the slots read so far keep
// their new contents, the built-ins are left alone and the failure is returned.
std::optional<FileError> ReadMacroBlocks(MacroTable& macros, TextLines& lines, QString line);

// Replaces the file named by MacroFile with slots 1 to 20 at once: a failure leaves the old
// file whole and is shown as "Program Error", except a missing folder, which is silent.
// True when the file was written or no file is named.
bool SaveMacros(Console& console);

// The file's text: twenty blocks, "[End Macros]" and an empty line, CR LF throughout.
QString MacroFileText(const MacroTable& macros);
