#pragma once

#include "macros/MacroRecord.h"

#include <QList>
#include <QString>

// Texts the macro file cannot carry: after a save and a reload they come back shortened or
// empty. The editor names them to the host before it saves.
struct MacroLoss
{
    // A text under an empty name is saved under the name a reload would give it: it survives
    // and is not named here.
    enum class Kind
    {
        BlankLineInside, // the reader ends the text at the first empty line
        NotWritten,      // begins with a line break or a control character: never written
    };
    int Slot = 0;
    Kind What = Kind::BlankLineInside;
};

// The slots 1 to 20 whose text would not survive, in slot order. The built-in slots 8 to 10
// are imposed again on every load and never count.
QList<MacroLoss> MacrosLostOnReload(const MacroTable& macros);

// The question put to the host: one line per macro, then whether to save anyway.
QString DescribeLosses(const QList<MacroLoss>& losses, const MacroTable& macros);
