#pragma once

#include <QString>
#include <QStringList>

// The ten characters that stand for avatar gestures. The chat client shows an ESP of exactly
// one of them as a tag (": <relax>") in place of ": " and the character.
const QStringList& GestureCharacters();

// "<relax>" for "°" and so on; empty for any other text, a gesture character followed by
// anything included.
QString GestureTag(const QString& text);

// The text that ends an ESP line holding the registration character: the gesture tag for a
// gesture character, ": " and the character otherwise.
QString RegMarker(const QString& regChar);
