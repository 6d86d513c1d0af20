#include "TEventList.h"

#include "Calendar.h"

#include <algorithm>
#include <cstdlib>

using namespace Calendar;

bool IsYearUnknown(TDate date)
{
    const std::int64_t day = WholeDay(date);
    if (!InRange(day))
        return false;
    const int year = YearOf(day);
    // Address books that write a year-less date with the placeholder year 1900 (khard, several phones) would
    // otherwise show an age no one has. Earlier days are absent anyway, unless they carry the marker year.
    return year == UnknownYear || (day >= 1 && year <= PlaceholderYearLimit);
}

namespace {

// ClassifyDate with everything that depends on today and the window worked out once, so that a build does one
// or two calendar conversions per date.
class TDueClassifier
{
public:
    TDueClassifier(TDate today, std::int32_t forwardDays)
    {
        m_now = WholeDay(today);
        m_valid = InRange(m_now);
        if (!m_valid)
            return;
        m_tomorrow = m_now + 1;
        // Clamped so that a huge window never reaches past the calendar.
        m_limit = std::min<std::int64_t>(m_now + forwardDays, LastDay);
        m_thisYear = YearOf(m_now);
        m_tomorrowYear = m_tomorrow <= LastDay ? YearOf(m_tomorrow) : 0;
    }

    // `stored` is the date's whole day, already known to be in range.
    TDueDate Classify(std::int64_t stored, const CivilDate& civil) const
    {
        if (!m_valid)
            return {};
        // Dates before 31 December 1899 count as absent, except those whose year is unknown.
        if (stored < 1 && civil.Year != UnknownYear)
            return {};

        std::int64_t occurrence = InYear(civil, m_thisYear);
        if (occurrence == m_now)
            return {dueToday, static_cast<TDate>(occurrence)};

        // On 31 December tomorrow lies in the next year: this catches a date on 1 January.
        if (m_tomorrowYear != 0) {
            const std::int64_t inTomorrowsYear =
                m_tomorrowYear == m_thisYear ? occurrence : InYear(civil, m_tomorrowYear);
            if (inTomorrowsYear == m_tomorrow)
                return {dueTomorrow, static_cast<TDate>(m_tomorrow)};
        }

        // A date that has passed this year next comes round in the next year. Deciding this by the date itself
        // rather than by comparing days of the year keeps windows of a year or more, and leap years, right.
        if (occurrence < m_tomorrow && m_thisYear < 9999)
            occurrence = InYear(civil, m_thisYear + 1);

        if (m_tomorrow < occurrence && occurrence <= m_limit)
            return {dueWithin, static_cast<TDate>(occurrence)};
        return {};
    }

private:
    // The same month and day in another year; 29 February stands for 28 February in a year without it.
    static std::int64_t InYear(const CivilDate& date, int year)
    {
        CivilDate moved{year, date.Month, date.Day};
        if (moved.Month == 2 && moved.Day == 29 && !IsLeapYear(year))
            moved.Day = 28;
        return DayFromCivil(moved);
    }

    bool m_valid = false;
    std::int64_t m_now = 0;
    std::int64_t m_tomorrow = 0;
    std::int64_t m_limit = 0;
    int m_thisYear = 0;
    int m_tomorrowYear = 0;
};

struct TStoredDate
{
    bool Present = false;
    std::int64_t Day = 0;
    CivilDate Civil;
};

TStoredDate Decompose(TDate date)
{
    const std::int64_t day = WholeDay(date);
    if (!InRange(day))
        return {};
    return {true, day, CivilFromDay(day)};
}

} // namespace

TDueDate ClassifyDate(TDate date, TDate today, std::int32_t forwardDays)
{
    const TStoredDate stored = Decompose(date);
    if (!stored.Present)
        return {};
    return TDueClassifier(today, forwardDays).Classify(stored.Day, stored.Civil);
}

void TEventList::Build(const TAddressBook& contacts, TDate today)
{
    Clear();

    const TDueClassifier classifier(today, CheckForwardDays);
    // Classifies one date into the record's fields. The years value is the one the date marks when it comes, so
    // on 31 December a birthday on 1 January already counts the coming year.
    const auto classify = [&](TDate date, DueCategory& due, std::int32_t& years) {
        const TStoredDate stored = Decompose(date);
        if (!stored.Present)
            return;
        const TDueDate found = classifier.Classify(stored.Day, stored.Civil);
        due = found.Due;
        if (due != dueNone)
            years = static_cast<std::int32_t>(std::abs(YearOf(WholeDay(found.Occurrence)) - stored.Civil.Year));
    };

    const std::int32_t count = contacts.GetCount();
    // The room for the records is allocated up front; running out there is the same failure as in AddRawItem.
    Reserve(count);
    tdstEvent event;
    for (std::int32_t i = 0; i < count; ++i) {
        const tdstAddressItem& contact = *contacts.GetItem(i);
        event.Name = contact.Name;
        event.Birthday = contact.Birthday;
        event.Anniversary = contact.Anniversary;
        event.BirthdayDue = dueNone;
        event.BirthdayYears = 0;
        event.AnniversaryDue = dueNone;
        event.AnniversaryYears = 0;
        classify(contact.Birthday, event.BirthdayDue, event.BirthdayYears);
        classify(contact.Anniversary, event.AnniversaryDue, event.AnniversaryYears);
        AddRawItem(event);
    }
}
