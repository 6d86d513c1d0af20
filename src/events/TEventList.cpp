#include "TEventList.h"

#include "Calendar.h"

#include <algorithm>
#include <cstdlib>

using namespace Calendar;

bool IsYearUnknown(TDate date)
{
    const std::int64_t day = WholeDay(date);
    return InRange(day) && YearOf(day) == UnknownYear;
}

TDueDate ClassifyDate(TDate date, TDate today, std::int32_t forwardDays)
{
    const std::int64_t stored = WholeDay(date);
    const std::int64_t now = WholeDay(today);
    if (!InRange(stored) || !InRange(now))
        return {};
    // Dates before 31 December 1899 count as absent, except those whose year is unknown.
    if (stored < 1 && YearOf(stored) != UnknownYear)
        return {};

    const std::int64_t tomorrow = now + 1;
    // Clamped so that a huge window never reaches past the calendar.
    const std::int64_t limit = std::min<std::int64_t>(now + forwardDays, LastDay);
    const int thisYear = YearOf(now);

    std::int64_t occurrence = MoveToYear(stored, thisYear);
    if (occurrence == now)
        return {dueToday, static_cast<TDate>(occurrence)};

    // On 31 December tomorrow lies in the next year: this catches a date on 1 January.
    if (tomorrow <= LastDay && MoveToYear(stored, YearOf(tomorrow)) == tomorrow)
        return {dueTomorrow, static_cast<TDate>(tomorrow)};

    // A date that has passed this year next comes round in the next year. Deciding this by the date itself
    // rather than by comparing days of the year keeps windows of a year or more, and leap years, right.
    if (occurrence < tomorrow && thisYear < 9999)
        occurrence = MoveToYear(stored, thisYear + 1);

    if (tomorrow < occurrence && occurrence <= limit)
        return {dueWithin, static_cast<TDate>(occurrence)};
    return {};
}

void TEventList::Build(const TAddressBook& contacts, TDate today)
{
    Clear();

    const std::int64_t now = WholeDay(today);
    const int thisYear = InRange(now) ? YearOf(now) : 0;
    const auto yearsSince = [thisYear](TDate date) {
        return static_cast<std::int32_t>(std::abs(thisYear - YearOf(WholeDay(date))));
    };

    const std::int32_t count = contacts.GetCount();
    Reserve(count);
    for (std::int32_t i = 0; i < count; ++i) {
        const tdstAddressItem& contact = *contacts.GetItem(i);
        tdstEvent event;
        event.Name = contact.Name;
        event.Birthday = contact.Birthday;
        event.Anniversary = contact.Anniversary;

        event.BirthdayDue = ClassifyDate(contact.Birthday, today, CheckForwardDays).Due;
        if (event.BirthdayDue != dueNone)
            event.BirthdayYears = yearsSince(contact.Birthday);

        event.AnniversaryDue = ClassifyDate(contact.Anniversary, today, CheckForwardDays).Due;
        if (event.AnniversaryDue != dueNone)
            event.AnniversaryYears = yearsSince(contact.Anniversary);

        AddRawItem(event);
    }
}
