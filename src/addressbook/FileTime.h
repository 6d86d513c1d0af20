#pragma once

#include "Records.h"
#include "WabApi.h"

#include <cstdint>

// Calendar fields of an instant, UTC (the shape of the platform's SYSTEMTIME).
struct TSystemTime
{
    std::int32_t Year = 0;
    std::int32_t Month = 0;
    std::int32_t DayOfWeek = 0; // 0 = Sunday
    std::int32_t Day = 0;
    std::int32_t Hour = 0;
    std::int32_t Minute = 0;
    std::int32_t Second = 0;
    std::int32_t Milliseconds = 0;
};

// Splits a FILETIME into calendar fields, UTC, with no time-zone conversion. Fails (false) for tick counts with the
// top bit set, as the platform's own conversion does.
bool FileTimeToSystemTime(const FILETIME& fileTime, TSystemTime& systemTime);

// The whole day count (day 0 = 30 December 1899) of the UTC calendar date of a FILETIME; 0 when it cannot be
// converted or its year lies outside 1..9999. The time of day is dropped.
TDate FileTimeToDate(const FILETIME& fileTime);
