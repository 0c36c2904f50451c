#include "ui/FirstExposure.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <utility>

namespace {

// A window kept off the screen (on another desktop, say) is not waited for longer.
constexpr int ExposureWaitMs = 3000;

} // namespace

void FirstExposure::Then(QWidget& window, std::function<void()> then)
{
    QWindow* handle = window.windowHandle();
    if (!handle || handle->isExposed()) {
        QTimer::singleShot(0, &window, std::move(then));
        return;
    }
    new FirstExposure(*handle, std::move(then));
}

FirstExposure::FirstExposure(QWindow& window, std::function<void()> then)
    : QObject(&window), then_(std::move(then))
{
    window.installEventFilter(this);
    QTimer::singleShot(ExposureWaitMs, this, [this, &window] { handOver(window); });
}

bool FirstExposure::eventFilter(QObject* watched, QEvent* event)
{
    auto* window = static_cast<QWindow*>(watched);
    if (event->type() == QEvent::Expose && window->isExposed())
        handOver(*window);
    return false;
}

void FirstExposure::handOver(QWindow& window)
{
    if (!then_)
        return;
    window.removeEventFilter(this);
    QTimer::singleShot(0, &window, std::exchange(then_, {}));
    deleteLater();
}
