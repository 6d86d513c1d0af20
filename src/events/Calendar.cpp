#include "Calendar.h"

#include <chrono>
#include <cmath>

namespace Calendar {

namespace {

using namespace std::chrono;

// sys_days counts from 1 January 1970; our day 0 is 30 December 1899.
constexpr std::int64_t EpochOffset = 25569;

} // namespace

std::int64_t WholeDay(TDate date)
{
    if (!(std::fabs(date) < 1e15)) // NaN and infinities too
        return LastDay + 1;
    return static_cast<std::int64_t>(std::trunc(date));
}

bool InRange(std::int64_t day)
{
    return day >= FirstDay && day <= LastDay;
}

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

unsigned DaysInMonth(int year, unsigned month)
{
    static constexpr unsigned Lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && IsLeapYear(year) ? 29 : Lengths[month - 1];
}

bool IsValid(const CivilDate& date)
{
    return date.Year >= 1 && date.Year <= 9999 && date.Month >= 1 && date.Month <= 12 && date.Day >= 1 &&
           date.Day <= DaysInMonth(date.Year, date.Month);
}

std::int64_t DayFromCivil(const CivilDate& date)
{
    const sys_days days{year{date.Year} / month{date.Month} / day{date.Day}};
    return days.time_since_epoch().count() + EpochOffset;
}

CivilDate CivilFromDay(std::int64_t dayCount)
{
    const year_month_day ymd{sys_days{days{dayCount - EpochOffset}}};
    return {static_cast<int>(ymd.year()), static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day())};
}

int YearOf(std::int64_t day)
{
    return CivilFromDay(day).Year;
}

unsigned DayOfYear(std::int64_t day)
{
    const int y = YearOf(day);
    return static_cast<unsigned>(day - DayFromCivil({y, 1, 1}) + 1);
}

std::int64_t MoveToYear(std::int64_t dayCount, int targetYear)
{
    CivilDate date = CivilFromDay(dayCount);
    date.Year = targetYear;
    if (date.Month == 2 && date.Day == 29 && !IsLeapYear(targetYear))
        date.Day = 28;
    return DayFromCivil(date);
}

} // namespace Calendar
