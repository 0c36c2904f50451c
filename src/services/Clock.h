#pragma once

#include <QDateTime>

// The time of day, behind an interface so tests can fix the date.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime Now() const = 0;
};
