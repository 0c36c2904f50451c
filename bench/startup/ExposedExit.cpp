#include "ExposedExit.h"

#include <QCoreApplication>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdio>

namespace {

long long peakKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

} // namespace

void ExitWhenExposed(QList<QWidget*> windows)
{
    // Looked at between events: exposure comes from the window system's events.
    auto* poll = new QTimer(QCoreApplication::instance());
    poll->setInterval(0);
    QObject::connect(poll, &QTimer::timeout, [windows] {
        for (QWidget* window : windows) {
            if (!window->windowHandle() || !window->windowHandle()->isExposed())
                return;
        }
        std::printf("%lld\n", peakKb());
        std::fflush(stdout);
        std::_Exit(0); // the time to the screen is measured, not the shutdown
    });
    poll->start();
}
