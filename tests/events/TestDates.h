#pragma once

#include "Calendar.h"
#include "Records.h"

// Day count of a calendar date, for readable tests.
inline TDate D(int day, unsigned month, int year)
{
    return static_cast<TDate>(Calendar::DayFromCivil({year, month, static_cast<unsigned>(day)}));
}
