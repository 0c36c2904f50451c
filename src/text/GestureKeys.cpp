#include "text/GestureKeys.h"

#include <array>

namespace {

// F2 to F11, in key order.
constexpr std::array<char16_t, 10> FunctionKeyGestures = {
    0x00B0, // F2  <relax>
    0x00B3, // F3  <grin>
    0x00B1, // F4  <sigh>
    0x00B2, // F5  <frown>
    0x00B5, // F6  <wave>
    0x00B7, // F7  <bow>
    0x00B8, // F8  <shrug>
    0x00B9, // F9  <present>
    0x00B4, // F10 <jump>
    0x00B6, // F11 <react>
};

// The US characters above the digit keys 0 to 9.
constexpr std::array<char16_t, 10> ShiftedDigits = {u')', u'!', u'@', u'#', u'$',
                                                    u'%', u'^', u'&', u'*', u'('};

constexpr Qt::KeyboardModifiers HeldModifiers =
    Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

} // namespace

std::optional<QString> GestureForKey(int key)
{
    if (key < Qt::Key_F2 || key > Qt::Key_F11)
        return std::nullopt;
    return QString(QChar(FunctionKeyGestures[static_cast<std::size_t>(key - Qt::Key_F2)]));
}

std::optional<QString> RegCharForKey(int key, Qt::KeyboardModifiers modifiers)
{
    const bool shiftOnly = (modifiers & HeldModifiers) == Qt::ShiftModifier;
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        const QChar capital(static_cast<char16_t>(u'A' + (key - Qt::Key_A)));
        return QString(shiftOnly ? capital : capital.toLower());
    }
    // The digits of the number pad are other keys: only the main keyboard's row counts.
    if (key >= Qt::Key_0 && key <= Qt::Key_9 && !(modifiers & Qt::KeypadModifier)) {
        const auto digit = static_cast<std::size_t>(key - Qt::Key_0);
        return QString(QChar(shiftOnly ? ShiftedDigits[digit] : char16_t(u'0' + digit)));
    }
    if (shiftOnly)
        return GestureForKey(key);
    return std::nullopt;
}

std::optional<QString> MacroTextKey(int key, Qt::KeyboardModifiers modifiers)
{
    const Qt::KeyboardModifiers held = modifiers & HeldModifiers;
    if (held != Qt::ShiftModifier && held != Qt::ControlModifier)
        return std::nullopt;
    return GestureForKey(key);
}
