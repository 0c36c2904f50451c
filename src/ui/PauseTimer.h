#pragma once

#include <QObject>
#include <QTimer>

#include <cstdint>

// Timer1 and TickCount: the pause between said lines. The timer ticks every 130 ms, and only
// while a wait runs; the wait handles the window's events in a nested event loop meanwhile.
//
// A wait may start inside another (a pop-up menu that says a line while the round flow
// pauses). Each wait counts its own ticks from a running total, and the timer stops only when
// the outermost wait ends, so the outer wait neither ends early nor waits for ever.
class PauseTimer final : public QObject
{
    Q_OBJECT

public:
    static constexpr int IntervalMs = 130;

    explicit PauseTimer(QObject* parent = nullptr);

    // Returns after the given number of ticks, or at once for none; early only when the
    // application quits.
    void Wait(int ticks);

    // Ends every wait under way at once (the console is closing).
    void CancelAll();

    std::int16_t TickCount() const; // ticks since the latest wait began
    bool Running() const;           // whether Timer1 is enabled
    int Depth() const;              // waits under way

Q_SIGNALS:
    void ticked();
    void cancelled();

private:
    void tick();

    QTimer Timer1;
    std::int16_t tickCount_ = 0;
    qint64 totalTicks_ = 0;
    int depth_ = 0;
};
