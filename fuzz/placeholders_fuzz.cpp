// Placeholder filling with any template and any values: the host's name, the registration
// character, the player's name, the wager and the card. The filling must end (the fuzzer's
// time-out catches a loop) and match a plain left-to-right reading of the template, in which
// a filled-in value is never read again, however much it looks like a placeholder itself.

#include "FuzzSupport.h"
#include "console/Placeholders.h"
#include "support/TestConsole.h"
#include "text/Cp1252.h"
#include "text/NumberText.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstring>

namespace {

QString takeText(FuzzedDataProvider& input, std::size_t most)
{
    const std::string bytes = input.ConsumeRandomLengthString(most);
    return FromCp1252(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

// The template read once from left to right: a known name between two "%" gives its value and
// the reading goes on after the closing "%"; an unknown one stays and its closing "%" may open
// the next name; an action's name empties the whole line.
QString expectedFilling(const QString& line, const QHash<QString, QString>& values,
                        const QString& actionName)
{
    QString out;
    qsizetype at = 0;
    for (;;) {
        const qsizetype open = line.indexOf(u'%', at);
        const qsizetype close = open < 0 ? -1 : line.indexOf(u'%', open + 1);
        if (close < 0)
            return out + line.mid(at);
        out += line.mid(at, open - at);
        const QString name = line.mid(open + 1, close - open - 1).toLower();
        if (const auto value = values.constFind(name); value != values.constEnd()) {
            out += *value;
            at = close + 1;
        } else if (!actionName.isEmpty() && name == actionName) {
            return {};
        } else {
            out += line.mid(open, close - open);
            at = close;
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static TestConsole test;
    Console& console = test.console;
    FuzzedDataProvider input(data, size);
    GameState& g = console.game;
    g.HostName = takeText(input, 24);
    console.settings.RegChar = takeText(input, 1);
    g.CurrentPlayer = input.ConsumeIntegralInRange<std::int16_t>(0, MaxPlayers);
    g.Current().Name = takeText(input, 24);
    const auto wagerBits = input.ConsumeIntegral<std::uint32_t>();
    float wager = 0.0f;
    std::memcpy(&wager, &wagerBits, sizeof wager);
    g.Current().Wager = wager;
    g.CardIndex = input.ConsumeIntegralInRange<std::int16_t>(-2, 8);
    for (TextBoxState& box : console.controls.cmbStart)
        box.Text = takeText(input, 6);
    const bool withAction = input.ConsumeBool();
    const QString line = takeText(input, 400);

    QHash<QString, QString> values;
    values.insert(QStringLiteral("host"), g.HostName);
    values.insert(QStringLiteral("reg"), console.settings.RegChar);
    values.insert(QStringLiteral("player"), g.Current().Name);
    values.insert(QStringLiteral("points"), ScoreText(wager));
    const bool cardShown = g.CardIndex >= 0 && g.CardIndex < 7;
    values.insert(QStringLiteral("card"),
                  cardShown ? console.controls.cmbStart[static_cast<std::size_t>(g.CardIndex)].Text
                            : QString());

    const QString actionName = withAction ? QStringLiteral("scores") : QString();
    int actionCalls = 0;
    const PlaceholderAction action = [&](const QString& name) {
        ++actionCalls;
        return name == actionName;
    };
    const QString filled = FillPlaceholders(console, line, withAction ? action : nullptr);
    const QString expected = expectedFilling(line, values, actionName);
    FUZZ_CHECK(filled == expected, line + QStringLiteral("\n--- gave ---\n") + filled +
                                       QStringLiteral("\n--- expected ---\n") + expected);
    // Each "%" of the template opens at most one name, so the action is asked at most that often.
    FUZZ_CHECK(actionCalls <= line.count(u'%'), line);
    g.Current() = PlayerRecord{};
    return 0;
}
