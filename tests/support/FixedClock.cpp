#include "FixedClock.h"

#include <utility>

FixedClock::FixedClock(QDateTime now) : now_(std::move(now)) {}

QDateTime FixedClock::Now() const
{
    return now_;
}

void FixedClock::Set(QDateTime now)
{
    now_ = std::move(now);
}
