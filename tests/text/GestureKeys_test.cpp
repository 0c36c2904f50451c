#include "text/GestureKeys.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const Qt::KeyboardModifiers None = Qt::NoModifier;
const Qt::KeyboardModifiers Shift = Qt::ShiftModifier;
const Qt::KeyboardModifiers Ctrl = Qt::ControlModifier;
const Qt::KeyboardModifiers Alt = Qt::AltModifier;

// F2 to F11 in key order.
const QString FunctionKeyGestures = u"°³±²µ·¸¹´¶"_s;

} // namespace

TEST(RegCharKeys, LettersTakeTheirCaseFromShiftAloneWhateverTheLayoutTyped)
{
    EXPECT_EQ(RegCharForKey(Qt::Key_A, None), u"a"_s);
    EXPECT_EQ(RegCharForKey(Qt::Key_A, Shift), u"A"_s);
    EXPECT_EQ(RegCharForKey(Qt::Key_Z, Shift), u"Z"_s);
    EXPECT_EQ(RegCharForKey(Qt::Key_Q, None), u"q"_s);
    // Shift together with another modifier is not Shift.
    EXPECT_EQ(RegCharForKey(Qt::Key_A, Shift | Ctrl), u"a"_s);
    EXPECT_EQ(RegCharForKey(Qt::Key_A, Shift | Alt), u"a"_s);
    EXPECT_EQ(RegCharForKey(Qt::Key_A, Ctrl), u"a"_s);
}

TEST(RegCharKeys, DigitKeysGiveTheDigitOrTheCharacterAboveIt)
{
    const QString digits = u"0123456789"_s;
    const QString above = u")!@#$%^&*("_s;
    for (int d = 0; d <= 9; ++d) {
        EXPECT_EQ(RegCharForKey(Qt::Key_0 + d, None), QString(digits[d])) << d;
        EXPECT_EQ(RegCharForKey(Qt::Key_0 + d, Shift), QString(above[d])) << d;
        EXPECT_EQ(RegCharForKey(Qt::Key_0 + d, Shift | Ctrl), QString(digits[d])) << d;
    }
    // The number pad is not the digit row: what it typed stays.
    EXPECT_EQ(RegCharForKey(Qt::Key_4, Qt::KeypadModifier), std::nullopt);
    EXPECT_EQ(RegCharForKey(Qt::Key_4, Shift | Qt::KeypadModifier), std::nullopt);
}

TEST(RegCharKeys, FunctionKeysGiveGesturesWithShiftOnlyAndOtherKeysLeaveTheBox)
{
    for (int k = 0; k < 10; ++k) {
        EXPECT_EQ(RegCharForKey(Qt::Key_F2 + k, Shift), QString(FunctionKeyGestures[k])) << k;
        EXPECT_EQ(RegCharForKey(Qt::Key_F2 + k, None), std::nullopt) << k;
        EXPECT_EQ(RegCharForKey(Qt::Key_F2 + k, Shift | Ctrl), std::nullopt) << k;
    }
    EXPECT_EQ(RegCharForKey(Qt::Key_F5, Shift), u"²"_s);
    EXPECT_EQ(RegCharForKey(Qt::Key_F1, Shift), std::nullopt);
    EXPECT_EQ(RegCharForKey(Qt::Key_F12, Shift), std::nullopt);
    EXPECT_EQ(RegCharForKey(Qt::Key_Shift, Shift), std::nullopt);
    EXPECT_EQ(RegCharForKey(Qt::Key_CapsLock, None), std::nullopt);
    EXPECT_EQ(RegCharForKey(Qt::Key_Dollar, Shift), std::nullopt);
    EXPECT_EQ(RegCharForKey(Qt::Key_Minus, None), std::nullopt);
}

TEST(MacroTextKeys, FunctionKeysInsertGesturesWithExactlyOneOfShiftAndCtrl)
{
    for (int k = 0; k < 10; ++k) {
        const QString gesture(FunctionKeyGestures[k]);
        EXPECT_EQ(MacroTextKey(Qt::Key_F2 + k, Shift), gesture) << k;
        EXPECT_EQ(MacroTextKey(Qt::Key_F2 + k, Ctrl), gesture) << k;
        EXPECT_EQ(MacroTextKey(Qt::Key_F2 + k, None), std::nullopt) << k;
        EXPECT_EQ(MacroTextKey(Qt::Key_F2 + k, Shift | Ctrl), std::nullopt) << k;
        EXPECT_EQ(MacroTextKey(Qt::Key_F2 + k, Shift | Alt), std::nullopt) << k;
        EXPECT_EQ(MacroTextKey(Qt::Key_F2 + k, Ctrl | Alt), std::nullopt) << k;
    }
    EXPECT_EQ(MacroTextKey(Qt::Key_F1, Shift), std::nullopt);
    EXPECT_EQ(MacroTextKey(Qt::Key_F12, Ctrl), std::nullopt);
    EXPECT_EQ(MacroTextKey(Qt::Key_A, Shift), std::nullopt);
}
