#pragma once

#include "game/Clock.h"

class SystemClock final : public Clock
{
public:
    QDateTime Now() const override;
};
