#pragma once

#include "Calendar.h"
#include "TEventList.h"
#include "TReportRows.h"
#include "TranslateMarks.h"

#include <cstdint>
#include <string>
#include <vector>

// The report list that the event rows are written to: the window's list view, or a text report.
class IReportList
{
public:
    virtual ~IReportList() = default;
    virtual void RemoveAllRows() = 0;
    virtual void AppendRow(const std::string& caption, std::intptr_t data,
                           const std::vector<std::string>& subItems) = 0;
    virtual int RowCount() const = 0;
};

// The user's short date pattern.
class IShortDateFormat
{
public:
    virtual ~IShortDateFormat() = default;
    virtual std::string FormatDate(const Calendar::CivilDate& date) const = 0;
    // For a date whose year is unknown.
    virtual std::string FormatDayMonth(unsigned month, unsigned day) const = 0;
};

// YYYY-MM-DD, and --MM-DD when the year is unknown.
class TIsoDateFormat final : public IShortDateFormat
{
public:
    std::string FormatDate(const Calendar::CivilDate& date) const override;
    std::string FormatDayMonth(unsigned month, unsigned day) const override;
};

// The rows' texts for people, in the context ReportTextContext. English is the list's own wording, which the data
// formats keep: "1 days" in the heading included.
inline constexpr const char* ReportTextContext = "TEventReport";
inline constexpr const char* TodayHeading = NELVORA_TRANSLATE_NOOP("TEventReport", "-=- Events for today -=- ");
inline constexpr const char* TomorrowHeading = NELVORA_TRANSLATE_NOOP("TEventReport", "-=- Events for tomorrow -=-");
inline constexpr const char* WithinHeadingFormat =
    NELVORA_TRANSLATE_N_NOOP("TEventReport", "-=- Events within %n days -=-");
inline constexpr std::intptr_t HeadingRowData = -1;

// Everything the rows are made from.
struct TReportSource
{
    const TEventList& Events;
    // The rows of `Events` on `Today`, as ReportRows gives them: worked out once per check, and the same rows for the
    // list, its screen-reader texts and the reminder.
    const std::vector<TReportRow>& Rows;
    std::int32_t CheckForwardDays; // the option, for the third heading
    TDate Today;
    const IShortDateFormat& DateFormat;
    // The user's language for the headings and event texts; none for English, as data is written.
    TTranslate Translate = nullptr;
};

// Appends one row: caption, data value, then the sub-item texts up to the first one not given.
void AddListRow(IReportList& list, std::intptr_t data, const std::string& caption, const char* text1,
                const char* text2 = nullptr, const char* text3 = nullptr, const char* text4 = nullptr);

// The event column of a row without its day count, in the list's words: "bday. 36", "anniv." when the year is
// unknown.
std::string EventLabel(const TReportRow& row, TTranslate translate = nullptr);

// Rewrites the whole list: three headings, each followed by its rows of ReportRows.
void FillEventList(IReportList& list, const TReportSource& source);

// The date text of a stored date: day and month only when its year is unknown, empty when there is no date.
std::string DateText(TDate date, const IShortDateFormat& format);
