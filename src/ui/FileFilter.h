#pragma once

#include <QString>

// Turns a filter written "Label|pattern|Label|pattern" into the file dialog's form,
// "Label (pattern);;Label (pattern)". Several patterns joined by ";" become one list; a last
// label without a pattern is dropped.
QString DialogFilter(const QString& filter);
