#pragma once

#include <QObject>

#include <functional>

class QWidget;
class QWindow;

// Waits for a window, shown already, to be first on the screen (or for a few seconds when it
// stays off it), then hands a task to the event loop's next turn: what the host need not see
// before the window waits for it, and does not delay it. The wait owns itself.
class FirstExposure final : public QObject
{
public:
    static void Then(QWidget& window, std::function<void()> then);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FirstExposure(QWindow& window, std::function<void()> then);
    void handOver(QWindow& window);

    std::function<void()> then_;
};
