#include "TEventList.h"

#include "TestDates.h"

#include <gtest/gtest.h>

TEST(TEventList, NewListLooksTwoDaysAhead)
{
    const TEventList events;
    EXPECT_EQ(events.CheckForwardDays, 2);
    EXPECT_EQ(events.GetCount(), 0);
}

TEST(TEventList, BuildKeepsOneRecordPerContactInOrderWithStoredDates)
{
    TAddressBook book;
    book.AddItem("Anna", D(31, 12, 1980), D(2, 1, 2000));
    book.AddItem("Ben", D(30, 12, 1970), 0);
    book.AddItem("Carl", 0, 0);
    book.AddItem("Dora", D(4, 1, 1990), D(1, 7, 1999));

    TEventList events;
    events.CheckForwardDays = 5;
    events.Build(book, D(30, 12, 2026));

    ASSERT_EQ(events.GetCount(), 4);
    const tdstEvent& anna = *events.GetItem(0);
    EXPECT_EQ(anna.Name, "Anna");
    EXPECT_EQ(anna.Birthday, D(31, 12, 1980));
    EXPECT_EQ(anna.BirthdayDue, dueTomorrow);
    EXPECT_EQ(anna.BirthdayYears, 46);
    EXPECT_EQ(anna.Anniversary, D(2, 1, 2000));
    EXPECT_EQ(anna.AnniversaryDue, dueWithin);
    EXPECT_EQ(anna.AnniversaryYears, 27); // 2 January 2027 marks 27 years

    EXPECT_EQ(events.GetItem(1)->BirthdayDue, dueToday);
    EXPECT_EQ(events.GetItem(1)->BirthdayYears, 56);
    EXPECT_EQ(events.GetItem(1)->AnniversaryDue, dueNone);

    EXPECT_EQ(events.GetItem(2)->Name, "Carl");
    EXPECT_EQ(events.GetItem(2)->BirthdayDue, dueNone);
    EXPECT_EQ(events.GetItem(2)->AnniversaryDue, dueNone);

    EXPECT_EQ(events.GetItem(3)->BirthdayDue, dueWithin);
    EXPECT_EQ(events.GetItem(3)->BirthdayYears, 37);
    EXPECT_EQ(events.GetItem(3)->AnniversaryDue, dueNone);
}

TEST(TEventList, YearsOfALaterDateStayPositive)
{
    TAddressBook book;
    book.AddItem("Future", D(15, 6, 2030), D(15, 6, 2026));
    TEventList events;
    events.Build(book, D(15, 6, 2026));
    EXPECT_EQ(events.GetItem(0)->BirthdayYears, 4);
    EXPECT_EQ(events.GetItem(0)->AnniversaryYears, 0);
}

TEST(TEventList, RebuildReplacesEverythingAndEmptyBookGivesEmptyList)
{
    TAddressBook book;
    book.AddItem("Anna", D(15, 6, 1970), 0);
    TEventList events;
    events.Build(book, D(15, 6, 2026));
    events.Build(book, D(15, 6, 2026));
    EXPECT_EQ(events.GetCount(), 1);

    book.Clear();
    events.Build(book, D(15, 6, 2026));
    EXPECT_EQ(events.GetCount(), 0);
}

TEST(TEventList, LeapDayContactNeverStopsTheBuild)
{
    TAddressBook book;
    book.AddItem("Leap", D(29, 2, 1992), D(29, 2, 1604));
    book.AddItem("After", D(1, 3, 1990), 0);
    TEventList events;
    events.CheckForwardDays = 5;
    events.Build(book, D(27, 2, 2027));
    ASSERT_EQ(events.GetCount(), 2);
    EXPECT_EQ(events.GetItem(0)->BirthdayDue, dueTomorrow);
    EXPECT_EQ(events.GetItem(0)->AnniversaryDue, dueTomorrow);
    EXPECT_EQ(events.GetItem(1)->BirthdayDue, dueWithin);
}
