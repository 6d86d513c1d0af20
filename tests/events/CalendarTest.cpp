#include "Calendar.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace Calendar;

TEST(Calendar, DayCountsMatchTheFixedPoints)
{
    EXPECT_EQ(DayFromCivil({1899, 12, 30}), 0);
    EXPECT_EQ(DayFromCivil({1899, 12, 31}), 1);
    EXPECT_EQ(DayFromCivil({1900, 1, 1}), 2);
    EXPECT_EQ(DayFromCivil({1, 1, 1}), FirstDay);
    EXPECT_EQ(DayFromCivil({9999, 12, 31}), LastDay);
    EXPECT_EQ(DayFromCivil({1601, 1, 1}), -109205);
    EXPECT_EQ(DayFromCivil({2026, 6, 15}), 46188);
}

TEST(Calendar, RoundTripsEveryDayOfTheCalendarEdges)
{
    for (std::int64_t day : {FirstDay, FirstDay + 1, std::int64_t{-1}, std::int64_t{0}, std::int64_t{59},
                             std::int64_t{60}, std::int64_t{61}, LastDay - 1, LastDay})
        EXPECT_EQ(DayFromCivil(CivilFromDay(day)), day);
}

TEST(Calendar, DayOfYearCountsInTheDaysOwnYear)
{
    EXPECT_EQ(DayOfYear(DayFromCivil({2026, 1, 1})), 1u);
    EXPECT_EQ(DayOfYear(DayFromCivil({2026, 12, 31})), 365u);
    EXPECT_EQ(DayOfYear(DayFromCivil({2028, 12, 31})), 366u);
    EXPECT_EQ(DayOfYear(DayFromCivil({2028, 3, 1})), 61u);
}

TEST(Calendar, MovingTwentyNinthFebruaryIntoAYearWithoutItGivesTwentyEighth)
{
    const auto leapDay = DayFromCivil({1992, 2, 29});
    EXPECT_EQ(MoveToYear(leapDay, 2027), DayFromCivil({2027, 2, 28}));
    EXPECT_EQ(MoveToYear(leapDay, 2028), DayFromCivil({2028, 2, 29}));
    EXPECT_EQ(MoveToYear(leapDay, 1900), DayFromCivil({1900, 2, 28}));
    EXPECT_EQ(MoveToYear(leapDay, 2000), DayFromCivil({2000, 2, 29}));
}

TEST(Calendar, ValidityFollowsGregorianLeapYears)
{
    EXPECT_TRUE(IsValid({2000, 2, 29}));
    EXPECT_FALSE(IsValid({1900, 2, 29}));
    EXPECT_FALSE(IsValid({2026, 4, 31}));
    EXPECT_FALSE(IsValid({0, 1, 1}));
    EXPECT_FALSE(IsValid({10000, 1, 1}));
    EXPECT_FALSE(IsValid({2026, 13, 1}));
    EXPECT_FALSE(IsValid({2026, 1, 0}));
}

TEST(Calendar, WholeDayTruncatesAndPutsNonsenseOutOfRange)
{
    EXPECT_EQ(WholeDay(46188.75), 46188);
    EXPECT_EQ(WholeDay(-0.5), 0);
    EXPECT_EQ(WholeDay(-1.5), -1);
    EXPECT_FALSE(InRange(WholeDay(std::numeric_limits<double>::quiet_NaN())));
    EXPECT_FALSE(InRange(WholeDay(std::numeric_limits<double>::infinity())));
    EXPECT_FALSE(InRange(WholeDay(1e300)));
    EXPECT_FALSE(InRange(WholeDay(-1e300)));
}
