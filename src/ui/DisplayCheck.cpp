#include "ui/DisplayCheck.h"

#include <QtGlobal>

QString MissingDisplayAdvice(const QString& program)
{
#if defined(Q_OS_LINUX)
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
        !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return {};
    return QStringLiteral("Quillo Console needs a display, and none was found (DISPLAY and "
                          "WAYLAND_DISPLAY are empty).\n"
                          "Run it on a desktop, or under a virtual display:\n"
                          "    xvfb-run -a ") +
           program + QStringLiteral("\n");
#else
    Q_UNUSED(program);
    return {};
#endif
}
