#pragma once

#include "Records.h"
#include "TEventList.h"

#include <cstdint>
#include <vector>

// Which of a contact's two dates an event row or a calendar entry stands for.
enum class TEventKind {
    Birthday,
    Anniversary,
};

// One event row of a check, with everything a view shows of it.
struct TReportRow
{
    DueCategory Group = dueNone; // dueToday, dueTomorrow or dueWithin
    std::int32_t Index = 0;      // the contact's record in the event list
    TEventKind Kind = TEventKind::Birthday;
    TDate Date = 0;              // as stored, year included
    std::int64_t Occurrence = 0; // the whole day the date next comes on
    std::int32_t Days = 0;       // from today to Occurrence: 0 today, 1 tomorrow
    std::int32_t Years = 0;      // the years the date marks when it comes
    bool YearKnown = true;

    friend bool operator==(const TReportRow&, const TReportRow&) = default;
};

// The event rows of `events`, which was built for `today`, in the order the list shows them: today's and then
// tomorrow's in list order (a contact's birthday before its anniversary), then the window's soonest first, a day's
// rows in list order. Headings are not rows. A date the list holds as due but that is not due on `today` (the list
// was built for another day) yields no row, since no days can be told for it.
std::vector<TReportRow> ReportRows(const TEventList& events, TDate today);
