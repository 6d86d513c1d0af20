#pragma once

#include "Records.h"

// Today's local date and the time of day. Code that asks for "today" takes a clock so tests can move it.
class IClock
{
public:
    virtual ~IClock() = default;
    // The local calendar date now, as a whole day count (day 0 = 30 December 1899).
    virtual TDate Today() const = 0;
    // The local time of day now, in minutes after midnight (0 to 1439), as the wall clock reads it.
    virtual int MinuteOfDay() const = 0;
    // Milliseconds from now until the local date changes next.
    virtual long long MillisecondsToNextDay() const = 0;
};
