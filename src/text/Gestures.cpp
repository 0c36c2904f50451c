#include "text/Gestures.h"

#include <array>

namespace {

struct Gesture
{
    char16_t Character;
    const char* Tag;
};

constexpr std::array<Gesture, 10> Gestures = {{{0x00B0, "<relax>"},
                                               {0x00B1, "<sigh>"},
                                               {0x00B2, "<frown>"},
                                               {0x00B3, "<grin>"},
                                               {0x00B4, "<jump>"},
                                               {0x00B5, "<wave>"},
                                               {0x00B6, "<react>"},
                                               {0x00B7, "<bow>"},
                                               {0x00B8, "<shrug>"},
                                               {0x00B9, "<present>"}}};

} // namespace

const QStringList& GestureCharacters()
{
    static const QStringList characters = [] {
        QStringList list;
        for (const Gesture& g : Gestures)
            list.append(QString(QChar(g.Character)));
        return list;
    }();
    return characters;
}

QString GestureTag(const QString& text)
{
    if (text.size() != 1)
        return {};
    for (const Gesture& g : Gestures) {
        if (text.at(0).unicode() == g.Character)
            return QString::fromLatin1(g.Tag);
    }
    return {};
}

QString RegMarker(const QString& regChar)
{
    const QString tag = GestureTag(regChar);
    return tag.isEmpty() ? QStringLiteral(": ") + regChar : QStringLiteral(": ") + tag;
}
