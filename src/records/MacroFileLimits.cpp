#include "records/MacroFileLimits.h"

#include <QStringList>

namespace {

bool isBuiltIn(int slot)
{
    return slot >= 8 && slot <= 10;
}

// The file writes a text only when it sorts above a single space.
bool isWritten(const QString& text)
{
    return QString::compare(text, QStringLiteral(" ")) > 0;
}

// Empty lines at the very end are harmless: playback stops there anyway.
bool hasBlankLineInside(const QString& text)
{
    QStringList lines = text.split(QStringLiteral("\r\n"));
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines.contains(QString());
}

QString describe(const MacroLoss& loss, const MacroTable& macros)
{
    const MacroRecord& macro = macros[static_cast<std::size_t>(loss.Slot)];
    QString line = QStringLiteral("Macro ") + QString::number(loss.Slot);
    if (!macro.Name.isEmpty())
        line += QStringLiteral(" \"") + macro.Name + u'"';
    switch (loss.What) {
    case MacroLoss::Kind::BlankLineInside:
        return line + QStringLiteral(": the lines after its blank line would be lost.");
    case MacroLoss::Kind::NotWritten:
        return line + QStringLiteral(": its text begins with a line break or a control "
                                     "character and would be lost.");
    }
    return line;
}

} // namespace

QList<MacroLoss> MacrosLostOnReload(const MacroTable& macros)
{
    QList<MacroLoss> losses;
    for (int slot = 1; slot < MacroSlots; ++slot) {
        if (isBuiltIn(slot))
            continue;
        const MacroRecord& macro = macros[static_cast<std::size_t>(slot)];
        if (!isWritten(macro.Text)) {
            if (!macro.Text.trimmed().isEmpty())
                losses.append({slot, MacroLoss::Kind::NotWritten});
        } else if (hasBlankLineInside(macro.Text)) {
            losses.append({slot, MacroLoss::Kind::BlankLineInside});
        }
    }
    return losses;
}

QString DescribeLosses(const QList<MacroLoss>& losses, const MacroTable& macros)
{
    QStringList lines{QStringLiteral("The macro file cannot keep these macros as they are:")};
    for (const MacroLoss& loss : losses)
        lines.append(describe(loss, macros));
    lines.append(QString());
    lines.append(QStringLiteral("Save anyway? Choose No to go back and mend them."));
    return lines.join(u'\n');
}
