#pragma once

#include <QString>

// Empty when the toolkit can open windows here; otherwise a plain word to the host that the
// program needs a desktop, and how to start it on one from where they are.
QString MissingDisplayAdvice(const QString& program);
