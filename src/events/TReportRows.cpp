#include "TReportRows.h"

#include "Calendar.h"

#include <algorithm>

std::vector<TReportRow> ReportRows(const TEventList& events, TDate today)
{
    const std::int64_t now = Calendar::WholeDay(today);
    const std::int32_t count = events.GetCount();
    std::vector<TReportRow> rows;

    const auto add = [&](std::int32_t index, TEventKind kind, TDate date, DueCategory group, std::int32_t years) {
        if (group == dueNone)
            return;
        const TDueDate due = ClassifyDate(date, today, events.CheckForwardDays);
        if (due.Due != group)
            return;
        const std::int64_t occurrence = Calendar::WholeDay(due.Occurrence);
        rows.push_back({group, index, kind, date, occurrence, static_cast<std::int32_t>(occurrence - now), years,
                        !IsYearUnknown(date)});
    };
    for (std::int32_t i = 0; i < count; ++i) {
        const tdstEvent& event = *events.GetItem(i);
        add(i, TEventKind::Birthday, event.Birthday, event.BirthdayDue, event.BirthdayYears);
        add(i, TEventKind::Anniversary, event.Anniversary, event.AnniversaryDue, event.AnniversaryYears);
    }

    // Today's rows first, then tomorrow's, then the window's by occurrence; stable, so that rows of one group and
    // day keep list order and a contact's birthday stays before its anniversary.
    std::stable_sort(rows.begin(), rows.end(), [](const TReportRow& a, const TReportRow& b) {
        return a.Group != b.Group ? a.Group < b.Group : a.Occurrence < b.Occurrence;
    });
    return rows;
}
