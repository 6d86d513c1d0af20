#pragma once

#include "Records.h"

// Today's local date. Code that asks for "today" takes a clock so tests can move it.
class IClock
{
public:
    virtual ~IClock() = default;
    // The local calendar date now, as a whole day count (day 0 = 30 December 1899).
    virtual TDate Today() const = 0;
};
