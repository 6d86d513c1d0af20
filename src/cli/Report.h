#pragma once

#include "IcsCalendar.h"
#include "ReportArguments.h"
#include "TAddressBook.h"

#include <cstdint>
#include <string>

inline constexpr std::int32_t FallbackForwardDays = 15;

struct TReport
{
    std::string Output;
    bool SomethingDue = false;
};

// The three groups for `contacts` seen on `today` with a window of `days`, written in `format`; for iCalendar, every
// date of `contacts` whatever the window, while SomethingDue still tells of the window. The text format is written
// in the language of `translate`; tsv is data and stays English.
TReport MakeReport(const TAddressBook& contacts, TDate today, std::int32_t days, TReportFormat format,
                   const TIcsOptions& ics = {}, TTranslate translate = nullptr);

// The window option of the options file, or FallbackForwardDays when the file does not load.
std::int32_t DefaultForwardDays(const std::string& configFileName);

// The time of day of the calendar's alarms: the time the user chose for the new day's check, else 09:00.
std::int32_t DefaultAlarmMinute(const std::string& configFileName);

// Today's local calendar date as a whole day.
TDate LocalToday();
