#pragma once

#include "records/FileError.h"

#include <QString>

#include <functional>
#include <optional>

struct Settings;
class TextLines;

// quillo.ini: "[Settings]" sections of "Key=value" lines, each section ended by an empty line.

// Reads the lines after a section header up to and including the empty line that ends it, into
// the settings. A macro file named there is to be loaded at once, before the lines after it
// are read: macroFileNamed runs then. The failure that stopped it, or nothing.
std::optional<FileError> ReadSettingsSection(Settings& settings, TextLines& lines,
                                             const std::function<void()>& macroFileNamed = {});

// The file's text, CR LF throughout, ending with an empty line.
QString SettingsFileText(const Settings& settings, int leftTwips, int topTwips);
