#pragma once

#include "services/Clock.h"

// A clock that shows whatever time the test sets.
class FixedClock final : public Clock
{
public:
    explicit FixedClock(QDateTime now);
    QDateTime Now() const override;
    void Set(QDateTime now);

private:
    QDateTime now_;
};
