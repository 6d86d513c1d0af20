#pragma once

#include "IClock.h"

class TSystemClock final : public IClock
{
public:
    TDate Today() const override;
    int MinuteOfDay() const override;
    long long MillisecondsToNextDay() const override;
};
