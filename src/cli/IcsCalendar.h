#pragma once

#include "TAddressBook.h"
#include "TReportRows.h"
#include "TranslateMarks.h"

#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

struct TIcsOptions
{
    // Days before each date at which a display alarm rings at AlarmMinute; 0 is the day itself.
    std::vector<std::int32_t> AlarmDays;
    // The time of day of the alarms, in minutes after midnight.
    std::int32_t AlarmMinute = 9 * 60;
    // The DTSTAMP value, UTC, e.g. "20260615T000000Z".
    std::string Stamp = "19700101T000000Z";
    // The language of the summaries' kind word (a calendar shows it to the user); none for English.
    TTranslate Translate = nullptr;
};

// One yearly all-day event for every birthday and anniversary of `contacts` that the report would ever show, one
// per UID, ordered by name and UID so that unchanged contacts give the same bytes whatever order the stores list
// them in.
std::string IcsCalendar(const TAddressBook& contacts, const TIcsOptions& options);

// The word a summary names the kind of date with; the one place it is chosen.
std::string EventKindWord(TEventKind kind, TTranslate translate = nullptr);

// A text value with backslash, semicolon, comma and line breaks escaped; control characters become blanks and
// bytes that are not UTF-8 become U+FFFD, since a calendar file must be UTF-8 text.
std::string IcsText(std::string_view text);

// Appends one content line with its CRLF, folded so that no line exceeds 75 octets, never inside a UTF-8 sequence.
void AppendIcsLine(std::string& out, std::string_view line);

// DTSTAMP values: midnight UTC of a day count, or a moment.
std::string IcsStampOfDay(TDate day);
std::string IcsStampOfTime(std::time_t moment);
