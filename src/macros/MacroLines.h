#pragma once

#include <QString>
#include <QStringList>

// The lines of a macro text: the pieces between CR LF pairs up to the first empty one.
QStringList MacroLines(const QString& text);
