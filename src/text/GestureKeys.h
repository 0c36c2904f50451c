#pragma once

#include <QString>
#include <Qt>

#include <optional>

// The keys the host types gesture characters with, and the registration box's key rule.
// Keys are Qt key codes of the main keyboard (Qt::Key_A, Qt::Key_4, Qt::Key_F5): the key that
// was struck, not the character the keyboard layout made of it. The windows translate what
// the layout reported back to the key before asking.

// The gesture character of F2 to F11 ("°" for F2, "²" for F5, ...); empty for any other key.
std::optional<QString> GestureForKey(int key);

// What the registration box shows after a key is released there: a letter in the case Shift
// asks for, a digit or the character above it, a gesture character for Shift with F2 to F11.
// Shift counts only when it is the only modifier held. Empty means "leave the box as it is".
std::optional<QString> RegCharForKey(int key, Qt::KeyboardModifiers modifiers);

// The gesture character a key inserts into a macro text: F2 to F11 with exactly one of Shift
// and Ctrl held, and neither Alt nor Meta. Empty means the key does what it usually does.
std::optional<QString> MacroTextKey(int key, Qt::KeyboardModifiers modifiers);
