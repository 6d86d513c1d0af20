#pragma once

#include "Records.h"
#include "TranslateMarks.h"

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

enum class TReportFormat {
    Text,
    Tsv,
    Ics,
};

// What the command line asked for; an option that was not given stays empty and takes its default later.
struct TReportArguments
{
    std::optional<TDate> Today;
    std::optional<std::int32_t> Days;
    std::vector<std::string> Contacts;
    TReportFormat Format = TReportFormat::Text;
    bool Help = false;
    bool Sources = false;                 // list the contact stores instead of the report
    std::vector<std::int32_t> AlarmDays;  // iCalendar alarms, days before each date
    std::optional<std::string> Output;    // a file to replace instead of standard output
    std::optional<std::string> ConfigDir; // the folder of the options file and the left-out books
    bool AllowPartial = false;            // replace the calendar even when a store could not be read
};

// The most days ahead an alarm may ring: further back it would ring before the previous year's date.
inline constexpr std::int32_t MaxAlarmDays = 365;

// A command line that cannot be run; what() says why in English. Text is the marked message (context
// "nelvora-report") with %1, %2 for Arguments, so that the program can say it in the user's language.
class TUsageError : public std::runtime_error
{
public:
    TUsageError(const char* text, std::vector<std::string> arguments = {});
    // The message through `translate` (English without one), its arguments filled in.
    std::string Message(TTranslate translate) const;

    const char* Text;
    std::vector<std::string> Arguments;
};

//: The command's synopsis: translate only the word "usage" and keep the options as they are; the lines below the
//: first are indented to stand under its options.
inline constexpr const char* ReportUsage = NELVORA_TRANSLATE_NOOP(
    "nelvora-report", "usage: nelvora-report [--today YYYY-MM-DD] [--days N] [--contacts PATH]... [--format text|tsv]\n"
                      "                      [--output FILE] [--config-dir DIR]\n"
                      "       nelvora-report --format ics [--alarm DAYS]... [--today YYYY-MM-DD] [--contacts PATH]...\n"
                      "                      [--output FILE [--allow-partial]] [--config-dir DIR]\n"
                      "       nelvora-report --sources [--contacts PATH]... [--output FILE] [--config-dir DIR]\n");

// Reads the arguments after the program name. Throws TUsageError.
TReportArguments ParseReportArguments(const std::vector<std::string>& arguments);

// A strict YYYY-MM-DD calendar date (years 1 to 9999) as a day count.
std::optional<TDate> ParseIsoDate(const std::string& text);

// A decimal 32-bit signed number with nothing around it.
std::optional<std::int32_t> ParseDayCount(const std::string& text);
