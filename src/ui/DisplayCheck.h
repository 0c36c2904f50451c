#pragma once

#include <QString>

// Empty when the toolkit can open windows here; otherwise a plain word to the host on how to
// run the console without a display.
QString MissingDisplayAdvice(const QString& program);
