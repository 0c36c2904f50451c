#include "console/Placeholders.h"

#include "chat/ChatLink.h"
#include "console/Console.h"
#include "console/Pacing.h"
#include "text/NumberText.h"

PlaceholderValues CurrentPlaceholderValues(const Console& console)
{
    const GameState& g = console.game;
    const auto& boxes = console.controls.cmbStart;
    const bool inPlay = g.CardIndex >= 0 && g.CardIndex < static_cast<int>(boxes.size());
    return {g.HostName,
            console.settings.RegChar,
            g.Current().Name,
            ScoreText(g.Current().Wager),
            inPlay ? boxes[static_cast<std::size_t>(g.CardIndex)].Text : QString(),
            {},
            {}};
}

QString FillPlaceholders(Console& console, const QString& line, const PlaceholderAction& action)
{
    return FillPlaceholderText(line, CurrentPlaceholderValues(console), action);
}

void SayMessage(Console& console, const QString& text)
{
    SayMessage(console, text, CurrentPlaceholderValues(console));
}

void SayMessage(Console& console, const QString& text, const PlaceholderValues& values)
{
    const QString filled = FillPlaceholderText(text, values);
    if (!filled.isEmpty())
        SayAndPause(console, filled);
}
