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

std::string Tr(const TReportSource& source, const char* text, int n = -1)
{
    return TranslateOrEnglish(source.Translate, ReportTextContext, text, n);
}

struct TEventLabels
{
    const char* Label;     // year unknown
    const char* WithYears; // %1: the years the date marks
};

//: The event column of a birthday row; a short form, as a diary abbreviates it.
constexpr TEventLabels BirthdayLabels{NELVORA_TRANSLATE_NOOP("TEventReport", "bday."),
                                      //: A birthday row; %1 is the age reached.
                                      NELVORA_TRANSLATE_NOOP("TEventReport", "bday. %1")};
//: The event column of a wedding-anniversary row; a short form, as a diary abbreviates it.
constexpr TEventLabels AnniversaryLabels{NELVORA_TRANSLATE_NOOP("TEventReport", "anniv."),
                                         //: An anniversary row; %1 is the number of years married.
                                         NELVORA_TRANSLATE_NOOP("TEventReport", "anniv. %1")};

// `occurrence`: the day the date next comes, when the caller knows it already.
void AddDateRow(IReportList& list, const TReportSource& source, std::int32_t index, const tdstEvent& event,
                const TEventLabels& labels, TDate date, std::int32_t years, bool withDayCount,
                std::optional<std::int64_t> occurrence = std::nullopt)
{
    std::string eventText = IsYearUnknown(date)
                                ? Tr(source, labels.Label)
                                : ReplaceArgument(Tr(source, labels.WithYears), 1, std::to_string(years));
    if (withDayCount) {
        if (!occurrence)
            occurrence = WholeDay(ClassifyDate(date, source.Today, source.Events.CheckForwardDays).Occurrence);
        const std::int64_t days = *occurrence - WholeDay(source.Today);
        //: A row of the coming days: %1 is the event ("bday. 30"), %n the days until it.
        const char* format = NELVORA_TRANSLATE_N_NOOP("TEventReport", "%1 occurs in %n days");
        eventText = ReplaceArgument(Tr(source, format, static_cast<int>(days)), 1, eventText);
    }
    // Every event text ends in one blank, as the list has always written it (tsv keeps it).
    eventText += ' ';

    const std::string dateText = DateText(date, source.DateFormat);
    AddListRow(list, index, event.Name, eventText.c_str(), dateText.c_str());
}

} // namespace

void AddEventRows(IReportList& list, const TReportSource& source, std::int32_t index, DueCategory category,
                  bool withDayCount)
{
    const tdstEvent& event = *source.Events.GetItem(index);
    if (event.BirthdayDue == category)
        AddDateRow(list, source, index, event, BirthdayLabels, event.Birthday, event.BirthdayYears, withDayCount);
    if (event.AnniversaryDue == category)
        AddDateRow(list, source, index, event, AnniversaryLabels, event.Anniversary, event.AnniversaryYears,
                   withDayCount);
}

void FillEventList(IReportList& list, const TReportSource& source)
{
    const std::int32_t count = source.Events.GetCount();
    list.RemoveAllRows();

    AddListRow(list, HeadingRowData, "", Tr(source, TodayHeading).c_str());
    for (std::int32_t i = 0; i < count; ++i)
        AddEventRows(list, source, i, dueToday, false);

    AddListRow(list, HeadingRowData, "", Tr(source, TomorrowHeading).c_str());
    for (std::int32_t i = 0; i < count; ++i)
        AddEventRows(list, source, i, dueTomorrow, false);

    const std::string withinHeading = Tr(source, WithinHeadingFormat, static_cast<int>(source.CheckForwardDays));
    AddListRow(list, HeadingRowData, "", withinHeading.c_str());

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
            AddDateRow(list, source, row.Index, event, AnniversaryLabels, event.Anniversary, event.AnniversaryYears,
                       true, row.Occurrence);
        else
            AddDateRow(list, source, row.Index, event, BirthdayLabels, event.Birthday, event.BirthdayYears, true,
                       row.Occurrence);
    }
}
