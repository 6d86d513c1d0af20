#include "Report.h"

#include "Calendar.h"
#include "TConfig.h"
#include "TEventList.h"
#include "TExError.h"
#include "TReportRows.h"
#include "TReportTable.h"

#include <ctime>

TReport MakeReport(const TAddressBook& contacts, TDate today, std::int32_t days, TReportFormat format,
                   const TIcsOptions& ics, TTranslate translate)
{
    TEventList events;
    events.CheckForwardDays = days;
    events.Build(contacts, today);

    const std::vector<TReportRow> rows = ReportRows(events, today);
    if (format == TReportFormat::Ics)
        return {IcsCalendar(contacts, ics), !rows.empty()};

    const TIsoDateFormat dateFormat;
    const TReportSource source{events, rows, days, today, dateFormat,
                               format == TReportFormat::Text ? translate : nullptr};
    TReportTable table;
    FillEventList(table, source);
    // The three headings are always there; anything beyond them is due.
    const bool somethingDue = table.RowCount() > 3;
    return {format == TReportFormat::Tsv ? table.Tsv() : table.Text(), somethingDue};
}

std::int32_t DefaultForwardDays(const std::string& configFileName)
{
    TConfig config;
    config.CheckForwardDays = FallbackForwardDays;
    try {
        config.Load(configFileName);
    } catch (const TExError&) {
        // A report without an options file is normal: the window program's default holds.
    }
    return config.CheckForwardDays;
}

std::int32_t DefaultAlarmMinute(const std::string& configFileName)
{
    TConfig config;
    try {
        config.Load(configFileName);
    } catch (const TExError&) {
    }
    return config.RemindAtMinutes() != 0 ? config.RemindAtMinutes() : 9 * 60;
}

TDate LocalToday()
{
    const std::time_t now = std::time(nullptr);
    std::tm local = {};
    if (::localtime_r(&now, &local) == nullptr)
        return 0;
    const Calendar::CivilDate date{local.tm_year + 1900, static_cast<unsigned>(local.tm_mon + 1),
                                   static_cast<unsigned>(local.tm_mday)};
    return static_cast<TDate>(Calendar::DayFromCivil(date));
}
