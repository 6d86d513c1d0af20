#include "TEventList.h"

#include "TestDates.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <vector>

using namespace Calendar;

namespace {

struct Example
{
    TDate Today;
    std::int32_t N;
    TDate Date;
    DueCategory Due;
    int Years;
    TDate Occurrence;
};

// The years value a build gives the date as a birthday.
std::int32_t YearsValue(TDate today, std::int32_t n, TDate date)
{
    TAddressBook book;
    book.AddItem("Someone", date, 0);
    TEventList events;
    events.CheckForwardDays = n;
    events.Build(book, today);
    return events.GetItem(0)->BirthdayYears;
}

} // namespace

TEST(ClassifyDate, WorkedExamplesHold)
{
    const Example examples[] = {
        {D(15, 6, 2026), 2, D(15, 6, 1970), dueToday, 56, D(15, 6, 2026)},
        {D(15, 6, 2026), 2, D(16, 6, 1970), dueTomorrow, 56, D(16, 6, 2026)},
        {D(15, 6, 2026), 2, D(17, 6, 1970), dueWithin, 56, D(17, 6, 2026)},
        {D(15, 6, 2026), 2, D(18, 6, 1970), dueNone, 0, 0},
        {D(15, 6, 2026), 2, D(14, 6, 1970), dueNone, 0, 0},
        {D(15, 6, 2026), 1, D(16, 6, 1970), dueTomorrow, 56, D(16, 6, 2026)},
        {D(15, 6, 2026), 2, D(15, 6, 2030), dueToday, 4, D(15, 6, 2026)},
        {D(15, 6, 2026), 2, D(15, 6, 2026), dueToday, 0, D(15, 6, 2026)},
        {D(30, 12, 2026), 5, D(31, 12, 1980), dueTomorrow, 46, D(31, 12, 2026)},
        {D(30, 12, 2026), 5, D(2, 1, 1990), dueWithin, 37, D(2, 1, 2027)},
        {D(30, 12, 2026), 5, D(4, 1, 1990), dueWithin, 37, D(4, 1, 2027)},
        {D(30, 12, 2026), 5, D(5, 1, 1990), dueNone, 0, 0},
        {D(31, 12, 2026), 5, D(1, 1, 1985), dueTomorrow, 42, D(1, 1, 2027)},
        {D(31, 12, 2026), 2, D(2, 1, 2000), dueWithin, 27, D(2, 1, 2027)},
        {D(30, 12, 2026), 30, D(29, 1, 1990), dueWithin, 37, D(29, 1, 2027)},
        {D(28, 2, 2028), 5, D(29, 2, 1992), dueTomorrow, 36, D(29, 2, 2028)},
        {D(25, 2, 2027), 5, D(1, 3, 1992), dueWithin, 35, D(1, 3, 2027)},
        {D(25, 2, 2028), 5, D(1, 3, 1990), dueWithin, 38, D(1, 3, 2028)},
        {D(15, 6, 2026), 30, 0, dueNone, 0, 0},
    };
    for (const Example& e : examples) {
        SCOPED_TRACE(testing::Message() << "today " << e.Today << " N " << e.N << " date " << e.Date);
        const TDueDate due = ClassifyDate(e.Date, e.Today, e.N);
        EXPECT_EQ(due.Due, e.Due);
        if (e.Due != dueNone) {
            EXPECT_EQ(due.Occurrence, e.Occurrence);
            EXPECT_EQ(YearsValue(e.Today, e.N, e.Date), e.Years);
        }
    }
}

TEST(ClassifyDate, TimeOfDayHasNoEffect)
{
    EXPECT_EQ(ClassifyDate(D(15, 6, 1970) + 0.99, D(15, 6, 2026) + 0.5, 2).Due, dueToday);
    EXPECT_EQ(ClassifyDate(D(16, 6, 1970) + 0.25, D(15, 6, 2026), 2).Due, dueTomorrow);
}

TEST(ClassifyDate, DatesBeforeTheLastDayOf1899CountAsAbsent)
{
    const TDate today = D(15, 6, 2026);
    EXPECT_EQ(ClassifyDate(D(15, 6, 1899), today, 2).Due, dueNone);
    EXPECT_EQ(ClassifyDate(0.5, D(30, 12, 2026), 2).Due, dueNone);
    EXPECT_EQ(ClassifyDate(D(31, 12, 1899), D(31, 12, 2026), 2).Due, dueToday);
}

TEST(ClassifyDate, TwentyNinthFebruaryStandsForTwentyEighthInOtherYears)
{
    const TDate leapDay = D(29, 2, 1992);
    EXPECT_EQ(ClassifyDate(leapDay, D(27, 2, 2027), 5).Due, dueTomorrow);
    EXPECT_EQ(ClassifyDate(leapDay, D(28, 2, 2027), 5).Due, dueToday);
    EXPECT_EQ(ClassifyDate(leapDay, D(1, 3, 2027), 5).Due, dueNone);
    // Passed in 2027: next comes round on the real day in 2028.
    const TDueDate due = ClassifyDate(leapDay, D(1, 3, 2027), 366);
    EXPECT_EQ(due.Due, dueWithin);
    EXPECT_EQ(due.Occurrence, D(29, 2, 2028));
    EXPECT_EQ(ClassifyDate(leapDay, D(24, 2, 2027), 4).Due, dueWithin);
}

TEST(ClassifyDate, UnknownYearIsRemindedByDayAndMonth)
{
    EXPECT_EQ(ClassifyDate(D(15, 6, 1604), D(15, 6, 2026), 2).Due, dueToday);
    EXPECT_EQ(ClassifyDate(D(16, 6, 1604), D(15, 6, 2026), 2).Due, dueTomorrow);
    const TDueDate within = ClassifyDate(D(2, 1, 1604), D(30, 12, 2026), 5);
    EXPECT_EQ(within.Due, dueWithin);
    EXPECT_EQ(within.Occurrence, D(2, 1, 2027));
    EXPECT_EQ(ClassifyDate(D(29, 2, 1604), D(28, 2, 2027), 2).Due, dueToday);
    // Other years before 1900 stay absent.
    EXPECT_EQ(ClassifyDate(D(15, 6, 1605), D(15, 6, 2026), 2).Due, dueNone);
}

TEST(ClassifyDate, AnyWindowLengthIsSafe)
{
    const TDate today = D(15, 6, 2026);
    for (std::int32_t n : {INT_MIN, -5, 0, 1}) {
        EXPECT_EQ(ClassifyDate(D(15, 6, 1970), today, n).Due, dueToday);
        EXPECT_EQ(ClassifyDate(D(16, 6, 1970), today, n).Due, dueTomorrow);
        EXPECT_EQ(ClassifyDate(D(17, 6, 1970), today, n).Due, dueNone);
    }
    for (std::int32_t n : {1000, INT_MAX}) {
        // Upcoming dates keep this year's occurrence; passed ones move to next year.
        EXPECT_EQ(ClassifyDate(D(17, 7, 1970), today, n).Occurrence, D(17, 7, 2026));
        EXPECT_EQ(ClassifyDate(D(14, 6, 1970), today, n).Occurrence, D(14, 6, 2027));
    }
    // At the end of the calendar nothing reaches past 9999.
    EXPECT_EQ(ClassifyDate(D(1, 1, 1970), D(31, 12, 9999), INT_MAX).Due, dueNone);
    EXPECT_EQ(ClassifyDate(D(31, 12, 1970), D(31, 12, 9999), INT_MAX).Due, dueToday);
    EXPECT_EQ(ClassifyDate(D(5, 1, 1970), D(1, 1, 1), INT_MAX).Due, dueWithin);
}

TEST(ClassifyDate, NonsenseDatesAreAbsent)
{
    const TDate today = D(15, 6, 2026);
    EXPECT_EQ(ClassifyDate(1e300, today, 30).Due, dueNone);
    EXPECT_EQ(ClassifyDate(-1e300, today, 30).Due, dueNone);
    EXPECT_EQ(ClassifyDate(std::numeric_limits<double>::quiet_NaN(), today, 30).Due, dueNone);
    EXPECT_EQ(ClassifyDate(D(15, 6, 1970), std::numeric_limits<double>::quiet_NaN(), 30).Due, dueNone);
}

namespace {

// Brute force: walk the days from today to the end of the window and take the first whose month and day match
// (29 February matching 28 February in a common year).
DueCategory BruteForce(const CivilDate& date, std::int64_t today, int n, std::int64_t* daysAhead)
{
    const std::int64_t last = std::max<std::int64_t>(today + 1, today + n);
    for (std::int64_t d = today; d <= last; ++d) {
        const CivilDate c = CivilFromDay(d);
        const bool matches = (c.Month == date.Month && c.Day == date.Day) ||
                             (date.Month == 2 && date.Day == 29 && !IsLeapYear(c.Year) && c.Month == 2 && c.Day == 28);
        if (!matches)
            continue;
        *daysAhead = d - today;
        if (d == today)
            return dueToday;
        if (d == today + 1)
            return dueTomorrow;
        return d <= today + n ? dueWithin : dueNone;
    }
    return dueNone;
}

} // namespace

TEST(ClassifyDate, AgreesWithBruteForceOverTwoWholeYears)
{
    const std::int64_t first = DayFromCivil({2027, 1, 1});
    const std::int64_t last = DayFromCivil({2028, 12, 31});
    // Every day of the leap year 1992 as the stored date, each once as a contact's birthday.
    std::vector<CivilDate> dates;
    TAddressBook book;
    for (std::int64_t d = DayFromCivil({1992, 1, 1}); d <= DayFromCivil({1992, 12, 31}); ++d) {
        dates.push_back(CivilFromDay(d));
        book.AddItem("", static_cast<TDate>(d), 0);
    }

    int mismatches = 0;
    TEventList events;
    // The years value depends on the occurrence only, so the widest window checks it for every occurrence.
    constexpr int widest = 400;
    for (int n : {-1, 0, 1, 2, 5, 15, 30, 100, 365, 366, widest}) {
        events.CheckForwardDays = n;
        for (std::int64_t today = first; today <= last; ++today) {
            if (n == widest)
                events.Build(book, static_cast<TDate>(today));
            for (std::size_t i = 0; i < dates.size(); ++i) {
                const CivilDate& date = dates[i];
                std::int64_t expectedDays = -1;
                const DueCategory expected = BruteForce(date, today, n, &expectedDays);
                // The years the date marks on the day it comes.
                const int expectedYears = expected == dueNone ? 0 : YearOf(today + expectedDays) - date.Year;
                const TDueDate got = ClassifyDate(static_cast<TDate>(DayFromCivil(date)), today, n);
                const tdstEvent* built = n == widest ? events.GetItem(static_cast<std::int32_t>(i)) : nullptr;
                const bool buildAgrees =
                    built == nullptr ||
                    (built->BirthdayDue == expected && (expected == dueNone || built->BirthdayYears == expectedYears));
                if (got.Due != expected || !buildAgrees ||
                    (expected != dueNone && WholeDay(got.Occurrence) - today != expectedDays)) {
                    if (++mismatches <= 5)
                        ADD_FAILURE() << "n " << n << " today " << today << " date " << date.Month << "/" << date.Day
                                      << ": got " << int(got.Due) << " years "
                                      << (built != nullptr ? built->BirthdayYears : -1) << " expected " << int(expected)
                                      << " years " << expectedYears;
                }
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
}
