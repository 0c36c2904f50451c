#include "macros/MacroLines.h"

QStringList MacroLines(const QString& text)
{
    QStringList lines;
    const QStringView rest(text);
    qsizetype pos = 0;
    while (pos < rest.size()) {
        const qsizetype end = rest.indexOf(u"\r\n", pos);
        const QStringView line = rest.sliced(pos, (end < 0 ? rest.size() : end) - pos);
        if (line.isEmpty())
            break;
        lines.append(line.toString());
        if (end < 0)
            break;
        pos = end + 2;
    }
    return lines;
}
