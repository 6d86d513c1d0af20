#include "FileTime.h"

namespace {

constexpr std::uint64_t TicksPerMillisecond = 10000;
constexpr std::uint64_t TicksPerDay = 24ull * 60 * 60 * 1000 * TicksPerMillisecond;

bool IsLeapYear(std::int64_t year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

std::int32_t DaysInMonth(std::int32_t year, std::int32_t month)
{
    static constexpr std::int32_t Days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : Days[month - 1];
}

} // namespace

bool FileTimeToSystemTime(const FILETIME& fileTime, TSystemTime& systemTime)
{
    const std::uint64_t ticks = (static_cast<std::uint64_t>(fileTime.dwHighDateTime) << 32) | fileTime.dwLowDateTime;
    if (ticks > 0x7FFFFFFFFFFFFFFFull)
        return false;

    const std::uint64_t days = ticks / TicksPerDay; // since Monday 1 January 1601
    std::uint64_t milliseconds = (ticks % TicksPerDay) / TicksPerMillisecond;

    // 1601 starts a 400-year Gregorian cycle, so whole cycles, centuries, four-year runs and years peel off in turn.
    std::uint64_t rest = days;
    const std::uint64_t cycles = rest / 146097;
    rest %= 146097;
    std::uint64_t centuries = rest / 36524;
    if (centuries == 4) // the last day of a cycle belongs to its fourth century
        centuries = 3;
    rest -= centuries * 36524;
    const std::uint64_t quads = rest / 1461;
    rest %= 1461;
    std::uint64_t years = rest / 365;
    if (years == 4) // the last day of a four-year run belongs to its leap year
        years = 3;
    rest -= years * 365;

    const auto year = static_cast<std::int32_t>(1601 + cycles * 400 + centuries * 100 + quads * 4 + years);
    auto dayOfYear = static_cast<std::int32_t>(rest);
    std::int32_t month = 1;
    while (dayOfYear >= DaysInMonth(year, month)) {
        dayOfYear -= DaysInMonth(year, month);
        ++month;
    }

    systemTime.Year = year;
    systemTime.Month = month;
    systemTime.Day = dayOfYear + 1;
    systemTime.DayOfWeek = static_cast<std::int32_t>((days + 1) % 7);
    systemTime.Hour = static_cast<std::int32_t>(milliseconds / 3600000);
    milliseconds %= 3600000;
    systemTime.Minute = static_cast<std::int32_t>(milliseconds / 60000);
    milliseconds %= 60000;
    systemTime.Second = static_cast<std::int32_t>(milliseconds / 1000);
    systemTime.Milliseconds = static_cast<std::int32_t>(milliseconds % 1000);
    return true;
}

TDate FileTimeToDate(const FILETIME& fileTime)
{
    const std::uint64_t ticks = (static_cast<std::uint64_t>(fileTime.dwHighDateTime) << 32) | fileTime.dwLowDateTime;
    // Called for every date of every contact: the day count is the FILETIME's whole days moved to the other epoch,
    // without the detour through calendar fields. Every FILETIME lies after year 1; the last day is 31 Dec 9999.
    constexpr std::uint64_t FirstDayAfter9999 = 3067671; // 1 January 10000, in days since 1 January 1601
    constexpr std::int64_t DaysFrom1601To1899 = 109205;  // 1 January 1601 to 30 December 1899
    if (ticks > 0x7FFFFFFFFFFFFFFFull || ticks / TicksPerDay >= FirstDayAfter9999)
        return 0;
    return static_cast<TDate>(static_cast<std::int64_t>(ticks / TicksPerDay) - DaysFrom1601To1899);
}
