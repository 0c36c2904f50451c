#include "macros/Placeholders.h"

#include "chat/ChatLink.h"
#include "chat/Pacing.h"
#include "game/Console.h"
#include "game/NumberText.h"

#include <optional>

namespace {

std::optional<QString> valueOf(const Console& console, const QString& name)
{
    const GameState& g = console.game;
    if (name == u"host")
        return g.HostName;
    if (name == u"reg")
        return console.settings.RegChar;
    if (name == u"player")
        return g.current().Name;
    if (name == u"points")
        return ScoreText(g.current().Wager);
    if (name == u"card") {
        const auto& boxes = console.controls.cmbStart;
        if (g.CardIndex < 0 || g.CardIndex >= static_cast<int>(boxes.size()))
            return QString();
        return boxes[static_cast<std::size_t>(g.CardIndex)].Text;
    }
    return std::nullopt;
}

} // namespace

QString FillPlaceholders(Console& console, const QString& line, const PlaceholderAction& action)
{
    QString result = line;
    qsizetype from = 0;
    for (;;) {
        const qsizetype open = result.indexOf(u'%', from);
        if (open < 0)
            return result;
        const qsizetype close = result.indexOf(u'%', open + 1);
        if (close < 0)
            return result; // a lone "%" stays
        const QString name = result.mid(open + 1, close - open - 1).toLower();
        if (const auto value = valueOf(console, name)) {
            result.replace(open, close - open + 1, *value);
            from = open + value->size(); // the value itself is never read as placeholders
        } else if (action && action(name)) {
            return QString();
        } else {
            from = close; // an unknown name stays; its closing "%" may open the next one
        }
    }
}

void SayMessage(Console& console, const QString& text)
{
    const QString filled = FillPlaceholders(console, text);
    if (filled.isEmpty())
        return;
    console.chat.SayLine(0, QString(), filled);
    My_Wait(console.toolkit, console.settings.Delay);
}
