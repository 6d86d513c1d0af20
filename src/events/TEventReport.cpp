#include "TEventReport.h"

#include <algorithm>
#include <cstdio>

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

std::string Tr(const TReportSource& source, const char* text, int n = -1)
{
    return TranslateOrEnglish(source.Translate, ReportTextContext, text, n);
}

void AddDateRow(IReportList& list, const TReportSource& source, const TReportRow& row)
{
    std::string eventText = EventLabel(row, source.Translate);
    if (row.Group == dueWithin) {
        //: A row of the coming days: %1 is the event ("bday. 30"), %n the days until it.
        const char* format = NELVORA_TRANSLATE_N_NOOP("TEventReport", "%1 occurs in %n days");
        eventText = ReplaceArgument(Tr(source, format, row.Days), 1, eventText);
    }
    // Every event text ends in one blank, as the list has always written it (tsv keeps it).
    eventText += ' ';

    const std::string dateText = DateText(row.Date, source.DateFormat);
    AddListRow(list, row.Index, source.Events.GetItem(row.Index)->Name, eventText.c_str(), dateText.c_str());
}

} // namespace

std::string EventLabel(const TReportRow& row, TTranslate translate)
{
    const TEventLabels& labels = row.Kind == TEventKind::Birthday ? BirthdayLabels : AnniversaryLabels;
    if (!row.YearKnown)
        return TranslateOrEnglish(translate, ReportTextContext, labels.Label);
    return ReplaceArgument(TranslateOrEnglish(translate, ReportTextContext, labels.WithYears), 1,
                           std::to_string(row.Years));
}

void FillEventList(IReportList& list, const TReportSource& source)
{
    const std::vector<TReportRow>& rows = source.Rows;
    list.RemoveAllRows();

    auto row = rows.begin();
    for (const DueCategory group : {dueToday, dueTomorrow, dueWithin}) {
        const std::string heading = group == dueToday ? Tr(source, TodayHeading)
                                    : group == dueTomorrow
                                        ? Tr(source, TomorrowHeading)
                                        : Tr(source, WithinHeadingFormat, static_cast<int>(source.CheckForwardDays));
        AddListRow(list, HeadingRowData, "", heading.c_str());
        for (; row != rows.end() && row->Group == group; ++row)
            AddDateRow(list, source, *row);
    }
}
