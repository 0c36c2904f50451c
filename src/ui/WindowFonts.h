#pragma once

#include <QFont>

// The console's own face, bold, in the given size; a bold sans-serif of that size where the
// face is not installed.
QFont ConsoleFont(qreal pointSize = 9.75);

// The face of the macro buttons: "Arial" 8.25 pt, or a sans-serif of that size.
QFont MacroButtonFont();
