#pragma once

#include "services/Clock.h"

class SystemClock final : public Clock
{
public:
    QDateTime Now() const override;
};
