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

// The online address-book options: at most one account command, or --sync before the report.
struct TAccountArguments
{
    std::optional<std::string> Add;    // --add-account URL (needs --user) or E-MAIL
    std::optional<std::string> Remove; // --remove-account URL
    std::optional<std::string> User;   // --user NAME
    bool List = false;                 // --accounts
    bool Sync = false;                 // --sync: sync every account, then report from the cache

    bool IsCommand() const { return Add || Remove || List; }
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
    TAccountArguments Accounts;           // online address books: the account commands and --sync
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

//: The account options, printed after the command's synopsis; keep the options as they are.
inline constexpr const char* ReportAccountsUsage = NELVORA_TRANSLATE_NOOP(
    "nelvora-report", "       nelvora-report --add-account URL --user NAME   (the password from standard input)\n"
                      "       nelvora-report --add-account E-MAIL [--user NAME]\n"
                      "       nelvora-report --remove-account URL [--user NAME]\n"
                      "       nelvora-report --accounts\n"
                      "       nelvora-report --sync [other options]\n");

// Reads the arguments after the program name. Throws TUsageError.
TReportArguments ParseReportArguments(const std::vector<std::string>& arguments);

// A strict YYYY-MM-DD calendar date (years 1 to 9999) as a day count.
std::optional<TDate> ParseIsoDate(const std::string& text);

// A decimal 32-bit signed number with nothing around it.
std::optional<std::int32_t> ParseDayCount(const std::string& text);
