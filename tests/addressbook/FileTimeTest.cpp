#include "FileTime.h"

#include "FakeAddressBook.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

namespace {

constexpr std::uint64_t TicksPerDay = 864000000000ull;

FILETIME FromTicks(std::uint64_t ticks)
{
    return {static_cast<std::uint32_t>(ticks), static_cast<std::uint32_t>(ticks >> 32)};
}

TEST(FileTimeTest, TheFirstInstantIsFirstJanuary1601)
{
    TSystemTime time;
    ASSERT_TRUE(FileTimeToSystemTime(FromTicks(0), time));
    EXPECT_EQ(time.Year, 1601);
    EXPECT_EQ(time.Month, 1);
    EXPECT_EQ(time.Day, 1);
    EXPECT_EQ(time.DayOfWeek, 1); // a Monday
    EXPECT_EQ(FileTimeToDate(FromTicks(0)), -109205);
}

TEST(FileTimeTest, SplitsTheTimeOfDay)
{
    const FILETIME minute = MakeFileTime(2024, 3, 14, 23, 5);
    const std::uint64_t ticks =
        ((static_cast<std::uint64_t>(minute.dwHighDateTime) << 32) | minute.dwLowDateTime) + 71230000;
    TSystemTime time;
    ASSERT_TRUE(FileTimeToSystemTime(FromTicks(ticks), time));
    EXPECT_EQ(time.Year, 2024);
    EXPECT_EQ(time.Month, 3);
    EXPECT_EQ(time.Day, 14);
    EXPECT_EQ(time.DayOfWeek, 4); // a Thursday
    EXPECT_EQ(time.Hour, 23);
    EXPECT_EQ(time.Minute, 5);
    EXPECT_EQ(time.Second, 7);
    EXPECT_EQ(time.Milliseconds, 123);
}

TEST(FileTimeTest, KnownDatesGiveTheirDayCounts)
{
    EXPECT_EQ(FileTimeToDate(MakeFileTime(1899, 12, 30)), 0);
    EXPECT_EQ(FileTimeToDate(MakeFileTime(1899, 12, 29)), -1);
    EXPECT_EQ(FileTimeToDate(MakeFileTime(2000, 2, 29)), 36585);
    EXPECT_EQ(FileTimeToDate(MakeFileTime(1900, 3, 1)), 61); // 1900 is no leap year
    EXPECT_EQ(FileTimeToDate(MakeFileTime(9999, 12, 31, 23, 59)), 2958465);
}

TEST(FileTimeTest, ALateEveningInUtcStaysOnItsDayInEveryZone)
{
    const char* saved = std::getenv("TZ");
    const std::string previous = saved != nullptr ? saved : "";
    for (const char* zone : {"UTC0", "Pacific/Kiritimati", "America/Los_Angeles", "Europe/Berlin"}) {
        setenv("TZ", zone, 1);
        tzset();
        EXPECT_EQ(FileTimeToDate(MakeFileTime(2024, 3, 14, 23, 0)), 45365) << zone;
    }
    if (saved != nullptr)
        setenv("TZ", previous.c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
}

TEST(FileTimeTest, InstantsOutsideYearsOneTo9999GiveNoDate)
{
    EXPECT_EQ(FileTimeToDate(MakeFileTime(10000, 1, 1)), 0);
    EXPECT_EQ(FileTimeToDate(FromTicks(0x7FFFFFFFFFFFFFFFull)), 0);

    // The top bit set: the conversion itself fails.
    TSystemTime time;
    EXPECT_FALSE(FileTimeToSystemTime(FromTicks(0x8000000000000000ull), time));
    EXPECT_EQ(FileTimeToDate(FromTicks(0xFFFFFFFFFFFFFFFFull)), 0);
}

TEST(FileTimeTest, EveryDayUpToYear9999MapsOntoConsecutiveDayCounts)
{
    // Whatever the time of day, day n after 1 January 1601 is day count n - 109205; a wrong month or leap-year
    // split would break the run somewhere.
    const std::uint64_t lastDay = 2958465 + 109205;
    for (std::uint64_t day = 1; day <= lastDay; ++day) {
        const std::uint64_t ticks = day * TicksPerDay + (day % 24) * (TicksPerDay / 24);
        ASSERT_EQ(FileTimeToDate(FromTicks(ticks)), static_cast<double>(day) - 109205) << "day " << day;
    }
    EXPECT_EQ(FileTimeToDate(FromTicks((lastDay + 1) * TicksPerDay)), 0);
}

} // namespace
