#include "ui/StruckKey.h"

#include <QKeyEvent>

namespace {

bool isLetterDigitOrFunction(int key)
{
    return (key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9) ||
           (key >= Qt::Key_F1 && key <= Qt::Key_F35);
}

} // namespace

int StruckKey(const QKeyEvent& event)
{
    const int key = event.key();
    if (isLetterDigitOrFunction(key))
        return key;
#if defined(Q_OS_WIN)
    // Windows names the digit and letter keys by their virtual key, whatever the layout.
    const quint32 virtualKey = event.nativeVirtualKey();
    if (virtualKey >= 0x30 && virtualKey <= 0x39)
        return Qt::Key_0 + static_cast<int>(virtualKey - 0x30);
    if (virtualKey >= 0x41 && virtualKey <= 0x5A)
        return Qt::Key_A + static_cast<int>(virtualKey - 0x41);
#elif defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // X11 and Wayland give the keyboard's own code, 8 above the kernel's: the digit row runs
    // from 10 ("1") to 19 ("0").
    const quint32 code = event.nativeScanCode();
    if (code >= 10 && code <= 18)
        return Qt::Key_1 + static_cast<int>(code - 10);
    if (code == 19)
        return Qt::Key_0;
#endif
    return key;
}
