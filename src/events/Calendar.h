#pragma once

#include "Records.h"

#include <cstdint>

// Whole-day arithmetic on the floating day count (day 0 = 30 December 1899) for the Gregorian years 1 to 9999.
namespace Calendar {

struct CivilDate
{
    int Year = 0;
    unsigned Month = 0;
    unsigned Day = 0;
    friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

// 1 January 1 and 31 December 9999 as day counts.
inline constexpr std::int64_t FirstDay = -693593;
inline constexpr std::int64_t LastDay = 2958465;

// Address books write "year unknown" as this (leap) year.
inline constexpr int UnknownYear = 1604;
// The last year that address books use as a placeholder for an unknown year (khard and several phones: 1900).
inline constexpr int PlaceholderYearLimit = 1900;

// The whole-day part, truncated toward zero. NaN and values far outside the calendar give a day outside
// FirstDay..LastDay, so callers can test them with InRange.
std::int64_t WholeDay(TDate date);
bool InRange(std::int64_t day);

bool IsLeapYear(int year);
unsigned DaysInMonth(int year, unsigned month);
bool IsValid(const CivilDate& date);

// Day count of a valid calendar date, and back. Both work for any year the standard calendar types hold.
std::int64_t DayFromCivil(const CivilDate& date);
CivilDate CivilFromDay(std::int64_t day);

int YearOf(std::int64_t day);
// 1 for 1 January, up to 365 or 366, counted in the day's own year.
unsigned DayOfYear(std::int64_t day);

// The same month and day in another year. 29 February in a year without it becomes 28 February.
std::int64_t MoveToYear(std::int64_t day, int year);

} // namespace Calendar
