#pragma once

#include <QChar>
#include <QStringView>

// A character below the blank, or DEL: in a record line or a one-line text it would break the
// line or hide what follows.
bool IsControlCharacter(QChar c);
bool HasControlCharacter(QStringView text);
