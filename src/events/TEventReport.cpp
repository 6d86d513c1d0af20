#include "TEventReport.h"

#include <algorithm>
#include <cstdio>
#include <optional>

using namespace Calendar;

std::string TIsoDateFormat::FormatDate(const CivilDate& date) const
{
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", date.Year, date.Month, date.Day);
    return text;
}

std::string TIsoDateFormat::FormatDayMonth(unsigned month, unsigned day) const
{
    char text[16];
    std::snprintf(text, sizeof text, "--%02u-%02u", month % 100, day % 100);
    return text;
}

std::string DateText(TDate date, const IShortDateFormat& format)
{
    const std::int64_t day = WholeDay(date);
    if (!InRange(day))
        return {};
    const CivilDate civil = CivilFromDay(day);
    if (IsYearUnknown(date))
        return format.FormatDayMonth(civil.Month, civil.Day);
    return format.FormatDate(civil);
}

void AddListRow(IReportList& list, std::intptr_t data, const std::string& caption, const char* text1, const char* text2,
                const char* text3, const char* text4)
{
    std::vector<std::string> subItems;
    subItems.reserve(4);
    subItems.emplace_back(text1);
    for (const char* text : {text2, text3, text4}) {
        if (text == nullptr)
            break;
        subItems.emplace_back(text);
    }
    list.AppendRow(caption, data, subItems);
}

namespace {

// `occurrence`: the day the date next comes, when the caller knows it already.
void AddDateRow(IReportList& list, const TReportSource& source, std::int32_t index, const tdstEvent& event,
                const char* label, TDate date, std::int32_t years, bool withDayCount,
                std::optional<std::int64_t> occurrence = std::nullopt)
{
    char suffix[64] = " ";
    if (withDayCount) {
        if (!occurrence)
            occurrence = WholeDay(ClassifyDate(date, source.Today, source.Events.CheckForwardDays).Occurrence);
        const long long days = *occurrence - WholeDay(source.Today);
        std::snprintf(suffix, sizeof suffix, " occurs in %lld days ", days);
    }

    char eventText[128];
    if (IsYearUnknown(date))
        std::snprintf(eventText, sizeof eventText, "%s%s", label, suffix);
    else
        std::snprintf(eventText, sizeof eventText, "%s %d%s", label, static_cast<int>(years), suffix);

    const std::string dateText = DateText(date, source.DateFormat);
    AddListRow(list, index, event.Name, eventText, dateText.c_str());
}

} // namespace

void AddEventRows(IReportList& list, const TReportSource& source, std::int32_t index, DueCategory category,
                  bool withDayCount)
{
    const tdstEvent& event = *source.Events.GetItem(index);
    if (event.BirthdayDue == category)
        AddDateRow(list, source, index, event, "bday.", event.Birthday, event.BirthdayYears, withDayCount);
    if (event.AnniversaryDue == category)
        AddDateRow(list, source, index, event, "anniv.", event.Anniversary, event.AnniversaryYears, withDayCount);
}

void FillEventList(IReportList& list, const TReportSource& source)
{
    const std::int32_t count = source.Events.GetCount();
    list.RemoveAllRows();

    AddListRow(list, HeadingRowData, "", TodayHeading);
    for (std::int32_t i = 0; i < count; ++i)
        AddEventRows(list, source, i, dueToday, false);

    AddListRow(list, HeadingRowData, "", TomorrowHeading);
    for (std::int32_t i = 0; i < count; ++i)
        AddEventRows(list, source, i, dueTomorrow, false);

    char withinHeading[64];
    std::snprintf(withinHeading, sizeof withinHeading, WithinHeadingFormat, static_cast<int>(source.CheckForwardDays));
    AddListRow(list, HeadingRowData, "", withinHeading);

    // Soonest first. The events come in name order, and the sort is stable, so a day's dates stay in name order
    // (and a contact's birthday before its anniversary).
    struct TWithin
    {
        std::int64_t Occurrence;
        std::int32_t Index;
        bool Anniversary;
    };
    std::vector<TWithin> within;
    const auto occurrence = [&](TDate date) {
        return WholeDay(ClassifyDate(date, source.Today, source.Events.CheckForwardDays).Occurrence);
    };
    for (std::int32_t i = 0; i < count; ++i) {
        const tdstEvent& event = *source.Events.GetItem(i);
        if (event.BirthdayDue == dueWithin)
            within.push_back({occurrence(event.Birthday), i, false});
        if (event.AnniversaryDue == dueWithin)
            within.push_back({occurrence(event.Anniversary), i, true});
    }
    std::stable_sort(within.begin(), within.end(),
                     [](const TWithin& a, const TWithin& b) { return a.Occurrence < b.Occurrence; });
    for (const TWithin& row : within) {
        const tdstEvent& event = *source.Events.GetItem(row.Index);
        if (row.Anniversary)
            AddDateRow(list, source, row.Index, event, "anniv.", event.Anniversary, event.AnniversaryYears, true,
                       row.Occurrence);
        else
            AddDateRow(list, source, row.Index, event, "bday.", event.Birthday, event.BirthdayYears, true,
                       row.Occurrence);
    }
}
