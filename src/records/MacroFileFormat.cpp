#include "records/MacroFileFormat.h"

#include "macros/BuiltInMacros.h"
#include "records/TextFile.h"
#include "text/NumberText.h"
#include "text/TextLines.h"

#include <cmath>

namespace {

const QString LineEnd = QStringLiteral("\r\n");
constexpr int LastBlock = 20;

bool startsWith(const QString& line, QStringView keyword)
{
    return line.startsWith(keyword, Qt::CaseInsensitive);
}

// The number between the keyword and the first "]", blanks around it allowed.
std::optional<FileError> blockNumber(const QString& header, double& number)
{
    const qsizetype close = header.indexOf(u']');
    if (close < 0)
        return FaultError(FileFault::NoClosingBracket);
    const auto value = ParseNumber(QStringView(header).mid(6, close - 6));
    if (!value || *value < 0 || std::floor(*value) != *value)
        return FaultError(FileFault::BadBlockNumber);
    number = *value;
    return std::nullopt;
}

} // namespace

std::optional<FileError> ReadMacroBlocks(MacroTable& macros, TextLines& lines, QString line)
{
    const FileError pastEnd = FaultError(FileFault::PastEnd);
    double n = 0;
    for (;;) {
        if (startsWith(line, u"[macro")) {
            if (auto error = blockNumber(line, n))
                return error;
            if (n > LastBlock)
                break;
            MacroRecord& slot = macros[static_cast<std::size_t>(n)];
            const auto name = lines.Next();
            if (!name)
                return pastEnd;
            if (name->isEmpty()) {
                slot.Name = QStringLiteral("Macro ") + QString::number(static_cast<int>(n));
                slot.Text.clear();
            } else {
                // The text runs up to and including the first empty line.
                slot.Name = *name;
                slot.Text.clear();
                for (;;) {
                    const auto textLine = lines.Next();
                    if (!textLine)
                        return pastEnd;
                    slot.Text = slot.Text.isEmpty() ? *textLine : slot.Text + LineEnd + *textLine;
                    if (textLine->isEmpty())
                        break;
                }
            }
        } else if (startsWith(line, u"[end")) {
            if (!lines.Next())
                return pastEnd;
            break;
        }
        const auto next = lines.Next();
        if (!next)
            return pastEnd;
        line = *next;
        if (n >= LastBlock)
            break;
    }
    SetBuiltInMacros(macros);
    return std::nullopt;
}

QString MacroFileText(const MacroTable& macros)
{
    QString text;
    for (int n = 1; n <= LastBlock; ++n) {
        const MacroRecord& macro = macros[static_cast<std::size_t>(n)];
        text += QStringLiteral("[Macro  ") + QString::number(n) + QStringLiteral(" ]") + LineEnd;
        // A text that is empty, a lone blank or starts below the blank marks an empty slot.
        // An empty name line would mark the slot empty and drop its text on the next load;
        // the name a reload gives a nameless slot keeps the text instead.
        if (QString::compare(macro.Text, QStringLiteral(" ")) > 0) {
            const QString name =
                macro.Name.isEmpty() ? QStringLiteral("Macro ") + QString::number(n) : macro.Name;
            text += name + LineEnd + macro.Text + LineEnd;
        }
        text += LineEnd;
    }
    return text + QStringLiteral("[End Macros]") + LineEnd + LineEnd;
}

std::optional<FileError> ReadMacroFile(const QString& path, MacroTable& macros)
{
    auto content = ReadTextFile(path);
    if (const auto* error = std::get_if<FileError>(&content))
        return *error;
    TextLines lines(std::get<QString>(std::move(content)));
    while (const auto line = lines.Next()) {
        if (startsWith(*line, u"[macro")) {
            if (auto error = ReadMacroBlocks(macros, lines, *line))
                return error;
        }
    }
    return std::nullopt;
}
