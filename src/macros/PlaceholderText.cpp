#include "macros/PlaceholderText.h"

namespace {

std::optional<QString> valueOf(const PlaceholderValues& values, const QString& name)
{
    if (name == u"host")
        return values.Host;
    if (name == u"reg")
        return values.Reg;
    if (name == u"player")
        return values.Player;
    if (name == u"points")
        return values.Points;
    if (name == u"card")
        return values.Card;
    if (name == u"hash")
        return values.Hash;
    if (name == u"deck")
        return values.Deck;
    return std::nullopt;
}

} // namespace

QString FillPlaceholderText(const QString& line, const PlaceholderValues& values,
                            const PlaceholderAction& action)
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
        if (const auto value = valueOf(values, name)) {
            result.replace(open, close - open + 1, *value);
            from = open + value->size(); // the value itself is never read as placeholders
        } else if (action && action(name)) {
            return QString();
        } else {
            from = close; // an unknown name stays; its closing "%" may open the next one
        }
    }
}
