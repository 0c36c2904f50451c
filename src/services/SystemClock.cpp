#include "services/SystemClock.h"

QDateTime SystemClock::Now() const
{
    return QDateTime::currentDateTime();
}
