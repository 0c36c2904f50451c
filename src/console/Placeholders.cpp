#include "console/Placeholders.h"

#include "chat/ChatLink.h"
#include "console/Console.h"
#include "console/Pacing.h"
#include "text/NumberText.h"

QString FillPlaceholders(Console& console, const QString& line, const PlaceholderAction& action)
{
    const GameState& g = console.game;
    const auto& boxes = console.controls.cmbStart;
    const bool inPlay = g.CardIndex >= 0 && g.CardIndex < static_cast<int>(boxes.size());
    const PlaceholderValues values{
        g.HostName, console.settings.RegChar, g.Current().Name, ScoreText(g.Current().Wager),
        inPlay ? boxes[static_cast<std::size_t>(g.CardIndex)].Text : QString()};
    return FillPlaceholderText(line, values, action);
}

void SayMessage(Console& console, const QString& text)
{
    const QString filled = FillPlaceholders(console, text);
    if (!filled.isEmpty())
        SayAndPause(console, filled);
}
