#include "IcsCalendar.h"

#include "Calendar.h"
#include "TEventList.h"
#include "TReportTable.h"

#include <algorithm>
#include <cstdio>

using namespace Calendar;

namespace {

// Year-less dates are written in a year no one is born in, so that no age can be read from them; 1972 is the
// first leap year after 1970, which keeps 29 February a real day.
constexpr int YearlessYear = 1970;
constexpr int YearlessLeapYear = 1972;
constexpr std::size_t MaxLineOctets = 75;

struct TIcsEvent
{
    std::string Uid;
    const tdstAddressItem* Contact;
    TEventKind Kind;
    CivilDate Date;
    bool YearUnknown;
};

// FNV-1a, 64 bits: the same on every machine and every run, unlike std::hash.
std::uint64_t StableHash(std::string_view text, std::uint64_t hash = 0xcbf29ce484222325ull)
{
    for (const char byte : text) {
        hash ^= static_cast<unsigned char>(byte);
        hash *= 0x100000001b3ull;
    }
    return hash;
}

std::string DateValue(const CivilDate& date)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02u%02u", date.Year, date.Month, date.Day);
    return text;
}

const char* KindName(TEventKind kind)
{
    return kind == TEventKind::Birthday ? "birthday" : "anniversary";
}

// Adds the event of one stored date when the report would ever show it: the same dates count as in the window.
void AddEvent(std::vector<TIcsEvent>& events, const tdstAddressItem& contact, TEventKind kind, TDate date)
{
    const std::int64_t day = WholeDay(date);
    if (!InRange(day))
        return;
    const bool yearUnknown = IsYearUnknown(date);
    if (day < 1 && !yearUnknown)
        return;
    const CivilDate civil = CivilFromDay(day);

    std::string uid;
    if (!contact.Uid.empty()) {
        uid = contact.Uid;
    } else {
        // Without a UID of its own, the event is known by what it shows.
        const std::uint64_t hash = StableHash(DateValue(civil), StableHash(contact.Name + '\0'));
        char text[32];
        std::snprintf(text, sizeof text, "nelvora-%016llx", static_cast<unsigned long long>(hash));
        uid = text;
    }
    uid += '-';
    uid += KindName(kind);
    events.push_back({std::move(uid), &contact, kind, civil, yearUnknown});
}

// A relative trigger for 09:00 `days` before an all-day event, which starts at local midnight.
std::string AlarmTrigger(std::int32_t days)
{
    char text[48];
    if (days <= 0)
        std::snprintf(text, sizeof text, "TRIGGER:PT9H");
    else if (days == 1)
        std::snprintf(text, sizeof text, "TRIGGER:-PT15H");
    else
        std::snprintf(text, sizeof text, "TRIGGER:-P%dDT15H", static_cast<int>(days - 1));
    return text;
}

void AppendEvent(std::string& out, const TIcsEvent& event, const TIcsOptions& options,
                 const std::vector<std::string>& triggers)
{
    std::string summary = IcsText(event.Contact->Name);
    if (!summary.empty())
        summary += " \u2013 ";
    summary += IcsText(EventKindWord(event.Kind));
    if (!event.YearUnknown) {
        char year[16];
        std::snprintf(year, sizeof year, " (%d)", event.Date.Year);
        summary += year;
    }

    CivilDate start = event.Date;
    if (event.YearUnknown)
        start.Year = start.Month == 2 && start.Day == 29 ? YearlessLeapYear : YearlessYear;

    out += "BEGIN:VEVENT\r\n";
    AppendIcsLine(out, "UID:" + IcsText(event.Uid));
    out += "DTSTAMP:" + options.Stamp + "\r\n";
    out += "DTSTART;VALUE=DATE:" + DateValue(start) + "\r\n";
    // Common years show a 29 February date on 28 February, as the report does.
    out += start.Month == 2 && start.Day == 29 ? "RRULE:FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=-1\r\n"
                                               : "RRULE:FREQ=YEARLY\r\n";
    AppendIcsLine(out, "SUMMARY:" + summary);
    out += event.Kind == TEventKind::Birthday ? "CATEGORIES:BIRTHDAY\r\n" : "CATEGORIES:ANNIVERSARY\r\n";
    out += "TRANSP:TRANSPARENT\r\nCLASS:PRIVATE\r\n";
    if (event.YearUnknown)
        out += "X-NELVORA-YEAR-UNKNOWN:1\r\n";
    for (const std::string& trigger : triggers) {
        out += "BEGIN:VALARM\r\nACTION:DISPLAY\r\n";
        AppendIcsLine(out, "DESCRIPTION:" + summary);
        out += trigger;
        out += "\r\nEND:VALARM\r\n";
    }
    out += "END:VEVENT\r\n";
}

} // namespace

std::string EventKindWord(TEventKind kind)
{
    return KindName(kind);
}

std::string IcsText(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + 8);
    while (true) {
        // Any of CR LF, LF or CR is one line break.
        const std::size_t end = text.find_first_of("\r\n");
        for (const char c : PrintableText(text.substr(0, end))) {
            if (c == '\\' || c == ';' || c == ',')
                out += '\\';
            out += c;
        }
        if (end == std::string_view::npos)
            return out;
        out += "\\n";
        text.remove_prefix(end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1));
    }
}

void AppendIcsLine(std::string& out, std::string_view line)
{
    // The first line holds 75 octets; every continuation line starts with a blank and holds 74 more.
    std::size_t room = MaxLineOctets;
    while (line.size() > room) {
        std::size_t cut = room;
        while (cut > 0 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80)
            --cut;
        out.append(line.substr(0, cut));
        out += "\r\n ";
        line.remove_prefix(cut);
        room = MaxLineOctets - 1;
    }
    out.append(line);
    out += "\r\n";
}

std::string IcsStampOfDay(TDate day)
{
    const std::int64_t whole = WholeDay(day);
    const CivilDate date = InRange(whole) ? CivilFromDay(whole) : CivilDate{1970, 1, 1};
    return DateValue(date) + "T000000Z";
}

std::string IcsStampOfTime(std::time_t moment)
{
    std::tm utc = {};
    if (::gmtime_r(&moment, &utc) == nullptr || utc.tm_year + 1900 < 1 || utc.tm_year + 1900 > 9999)
        return "19700101T000000Z";
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02d%02dT%02d%02d%02dZ", utc.tm_year + 1900, utc.tm_mon + 1, utc.tm_mday,
                  utc.tm_hour, utc.tm_min, utc.tm_sec);
    return text;
}

std::string IcsCalendar(const TAddressBook& contacts, const TIcsOptions& options)
{
    std::vector<TIcsEvent> events;
    const std::int32_t count = contacts.GetCount();
    events.reserve(static_cast<std::size_t>(count));
    for (std::int32_t i = 0; i < count; ++i) {
        const tdstAddressItem& contact = *contacts.GetItem(i);
        AddEvent(events, contact, TEventKind::Birthday, contact.Birthday);
        AddEvent(events, contact, TEventKind::Anniversary, contact.Anniversary);
    }
    // Equal UIDs are ordered by what they show, so that the one kept does not depend on the stores' order.
    std::sort(events.begin(), events.end(), [](const TIcsEvent& a, const TIcsEvent& b) {
        if (const int order = a.Uid.compare(b.Uid); order != 0)
            return order < 0;
        if (const int order = a.Contact->Name.compare(b.Contact->Name); order != 0)
            return order < 0;
        return DayFromCivil(a.Date) < DayFromCivil(b.Date);
    });

    std::vector<std::int32_t> alarmDays = options.AlarmDays;
    std::sort(alarmDays.begin(), alarmDays.end());
    alarmDays.erase(std::unique(alarmDays.begin(), alarmDays.end()), alarmDays.end());
    std::vector<std::string> triggers;
    for (const std::int32_t days : alarmDays)
        triggers.push_back(AlarmTrigger(days));

    std::string out;
    out.reserve(events.size() * (280 + triggers.size() * 100) + 256);
    out += "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Nelvora//nelvora-report//EN\r\nCALSCALE:GREGORIAN\r\n"
           "X-WR-CALNAME:Nelvora\r\n";
    for (std::size_t i = 0; i < events.size(); ++i) {
        // Two contacts that share a UID, or have none and the same name and date, are one event to a calendar
        // program; writing both would make the file invalid.
        if (i > 0 && events[i].Uid == events[i - 1].Uid)
            continue;
        AppendEvent(out, events[i], options, triggers);
    }
    out += "END:VCALENDAR\r\n";
    return out;
}
