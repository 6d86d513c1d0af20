#include "IcsCalendar.h"

#include "Calendar.h"
#include "TEventList.h"
#include "TReportTable.h"

#include <algorithm>
#include <cstdio>
#include <string>

using namespace Calendar;

namespace {

// Year-less dates are written in a year no one is born in, so that no age can be read from them; 1972 is the
// first leap year after 1970, which keeps 29 February a real day.
constexpr int YearlessYear = 1970;
constexpr int YearlessLeapYear = 1972;
constexpr std::size_t MaxLineOctets = 75;

struct TIcsEvent
{
    // The hash of the UID: sorting on it keeps the file in one order whatever order the stores list contacts in,
    // without comparing a string for every pair.
    std::uint64_t Key;
    std::uint64_t ContentHash; // for a contact without a UID
    const tdstAddressItem* Contact;
    CivilDate Date;
    TEventKind Kind;
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

// YYYYMMDD.
void AppendDate(std::string& out, const CivilDate& date)
{
    char text[8];
    unsigned values[3] = {static_cast<unsigned>(date.Year), date.Month, date.Day};
    int at = 7;
    for (int field = 2; field >= 0; --field)
        for (int digit = field == 0 ? 4 : 2; digit > 0; --digit, values[field] /= 10)
            text[at--] = static_cast<char>('0' + values[field] % 10);
    out.append(text, sizeof text);
}

const char* KindName(TEventKind kind)
{
    return kind == TEventKind::Birthday ? "birthday" : "anniversary";
}

// The hash a contact without a UID of its own is known by: its name and the date, so that the event is known by
// what it shows.
std::uint64_t ContentHash(const tdstAddressItem& contact, const CivilDate& date)
{
    std::string dateText;
    AppendDate(dateText, date);
    return StableHash(dateText, StableHash(std::string_view("", 1), StableHash(contact.Name)));
}

// Appends the event's UID, unescaped: the card's UID, or "nelvora-" and the content hash.
void AppendUid(std::string& out, const TIcsEvent& event)
{
    if (!event.Contact->Uid.empty()) {
        out += event.Contact->Uid;
    } else {
        static constexpr char Hex[] = "0123456789abcdef";
        char text[16];
        for (int i = 0; i < 16; ++i)
            text[i] = Hex[(event.ContentHash >> (60 - 4 * i)) & 0xF];
        out += "nelvora-";
        out.append(text, sizeof text);
    }
    out += '-';
    out += KindName(event.Kind);
}

std::string UidOf(const TIcsEvent& event)
{
    std::string uid;
    AppendUid(uid, event);
    return uid;
}

// Adds the event of one stored date when the report would ever show it: the same dates count as in the window.
void AddEvent(std::vector<TIcsEvent>& events, std::string& uid, const tdstAddressItem& contact, TEventKind kind,
              TDate date)
{
    const std::int64_t day = WholeDay(date);
    if (!InRange(day))
        return;
    const bool yearUnknown = IsYearUnknown(date);
    if (day < 1 && !yearUnknown)
        return;
    TIcsEvent event{0,        contact.Uid.empty() ? ContentHash(contact, CivilFromDay(day)) : 0,
                    &contact, CivilFromDay(day),
                    kind,     yearUnknown};
    uid.clear();
    AppendUid(uid, event);
    event.Key = StableHash(uid);
    events.push_back(event);
}

bool IsPlainText(std::string_view text)
{
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte >= 0x7F || c == '\\' || c == ';' || c == ',')
            return false;
    }
    return true;
}

void AppendIcsText(std::string& out, std::string_view text)
{
    if (IsPlainText(text)) { // nearly every name, kept cheap
        out.append(text);
        return;
    }
    while (true) {
        // Any of CR LF, LF or CR is one line break.
        const std::size_t end = text.find_first_of("\r\n");
        const std::string printable = PrintableText(text.substr(0, end));
        for (std::size_t at = 0; at < printable.size();) {
            const std::size_t special = printable.find_first_of("\\;,", at);
            out.append(printable, at, special - at);
            if (special == std::string::npos)
                break;
            out += '\\';
            out += printable[special];
            at = special + 1;
        }
        if (end == std::string_view::npos)
            return;
        out += "\\n";
        text.remove_prefix(end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1));
    }
}

// A relative trigger for `minute` minutes after midnight, `days` before an all-day event, which starts at local
// midnight: an exact duration, so on a day the clocks change it rings an hour early or late.
std::string AlarmTrigger(std::int32_t days, std::int32_t minute)
{
    const std::int64_t offset = static_cast<std::int64_t>(minute) - static_cast<std::int64_t>(days) * 24 * 60;
    const std::int64_t size = offset < 0 ? -offset : offset;
    const std::int64_t wholeDays = size / (24 * 60);
    const std::int64_t hours = size / 60 % 24;
    const std::int64_t minutes = size % 60;
    std::string trigger = offset < 0 ? "TRIGGER:-P" : "TRIGGER:P";
    if (wholeDays != 0)
        trigger += std::to_string(wholeDays) + "D";
    if (hours != 0 || minutes != 0 || wholeDays == 0) {
        trigger += "T";
        if (hours != 0 || minutes == 0)
            trigger += std::to_string(hours) + "H";
        if (minutes != 0)
            trigger += std::to_string(minutes) + "M";
    }
    return trigger + "\r\n";
}

// Writes one event; `line` is room for the lines that may need folding, reused from event to event.
void AppendEvent(std::string& out, std::string (&line)[3], const TIcsEvent& event, const TIcsOptions& options,
                 const std::vector<std::string>& triggers)
{
    line[0].assign("UID:");
    line[1].clear();
    AppendUid(line[1], event);
    AppendIcsText(line[0], line[1]);

    std::string& summary = line[1];
    summary.assign("SUMMARY:");
    AppendIcsText(summary, event.Contact->Name);
    if (summary.size() > 8)
        summary += " \u2013 ";
    AppendIcsText(summary, EventKindWord(event.Kind, options.Translate));
    if (!event.YearUnknown) {
        summary += " (";
        AppendDate(summary, event.Date);
        summary.resize(summary.size() - 4); // the year
        summary += ')';
    }

    CivilDate start = event.Date;
    if (event.YearUnknown)
        start.Year = start.Month == 2 && start.Day == 29 ? YearlessLeapYear : YearlessYear;

    out += "BEGIN:VEVENT\r\n";
    AppendIcsLine(out, line[0]);
    out += "DTSTAMP:";
    out += options.Stamp;
    out += "\r\nDTSTART;VALUE=DATE:";
    AppendDate(out, start);
    // Common years show a 29 February date on 28 February, as the report does.
    out += start.Month == 2 && start.Day == 29 ? "\r\nRRULE:FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=-1\r\n"
                                               : "\r\nRRULE:FREQ=YEARLY\r\n";
    AppendIcsLine(out, summary);
    out += event.Kind == TEventKind::Birthday ? "CATEGORIES:BIRTHDAY\r\n" : "CATEGORIES:ANNIVERSARY\r\n";
    out += "TRANSP:TRANSPARENT\r\nCLASS:PRIVATE\r\n";
    if (event.YearUnknown)
        out += "X-NELVORA-YEAR-UNKNOWN:1\r\n";
    if (!triggers.empty()) {
        summary.replace(0, 8, "DESCRIPTION:");
        for (const std::string& trigger : triggers) {
            out += "BEGIN:VALARM\r\nACTION:DISPLAY\r\n";
            AppendIcsLine(out, summary);
            out += trigger;
            out += "END:VALARM\r\n";
        }
    }
    out += "END:VEVENT\r\n";
}

} // namespace

std::string EventKindWord(TEventKind kind, TTranslate translate)
{
    //: The kind of date in a calendar entry's title, after the contact's name ("Anna – birthday (1990)").
    const char* word = kind == TEventKind::Birthday ? NELVORA_TRANSLATE_NOOP("IcsCalendar", "birthday")
                                                    : NELVORA_TRANSLATE_NOOP("IcsCalendar", "anniversary");
    return TranslateOrEnglish(translate, "IcsCalendar", word);
}

std::string IcsText(std::string_view text)
{
    std::string out;
    AppendIcsText(out, text);
    return out;
}

void AppendIcsLine(std::string& out, std::string_view line)
{
    // The first line holds 75 octets; every continuation line starts with a blank and holds 74 more.
    std::size_t room = MaxLineOctets;
    while (line.size() > room) {
        std::size_t cut = room;
        while (cut > 0 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80)
            --cut;
        // Only continuation bytes in reach: not UTF-8 to keep whole, and a cut at 0 would never move on.
        if (cut == 0)
            cut = room;
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
    std::string stamp;
    AppendDate(stamp, date);
    return stamp + "T000000Z";
}

std::string IcsStampOfTime(std::time_t moment)
{
    std::tm utc = {};
    if (::gmtime_r(&moment, &utc) == nullptr || utc.tm_year + 1900 < 1 || utc.tm_year + 1900 > 9999)
        return "19700101T000000Z";
    // Room for any int in every field, so that no build's format check sees a cut.
    char text[80];
    std::snprintf(text, sizeof text, "%04d%02d%02dT%02d%02d%02dZ", utc.tm_year + 1900, utc.tm_mon + 1, utc.tm_mday,
                  utc.tm_hour, utc.tm_min, utc.tm_sec);
    return text;
}

std::string IcsCalendar(const TAddressBook& contacts, const TIcsOptions& options)
{
    std::vector<TIcsEvent> events;
    std::string scratch[3];
    const std::int32_t count = contacts.GetCount();
    events.reserve(static_cast<std::size_t>(count));
    for (std::int32_t i = 0; i < count; ++i) {
        const tdstAddressItem& contact = *contacts.GetItem(i);
        AddEvent(events, scratch[0], contact, TEventKind::Birthday, contact.Birthday);
        AddEvent(events, scratch[0], contact, TEventKind::Anniversary, contact.Anniversary);
    }
    // By name and then by UID: the order the contacts arrive in (by name already, so the sort is mostly skipped and
    // the records are read in memory order) but the same whatever order the stores list them in.
    const auto before = [](const TIcsEvent& a, const TIcsEvent& b) {
        if (const int order = a.Contact->Name.compare(b.Contact->Name); order != 0)
            return order < 0;
        if (a.Key != b.Key)
            return a.Key < b.Key;
        if (const int order = UidOf(a).compare(UidOf(b)); order != 0)
            return order < 0;
        return DayFromCivil(a.Date) < DayFromCivil(b.Date);
    };
    if (!std::is_sorted(events.begin(), events.end(), before))
        std::sort(events.begin(), events.end(), before);

    // Two contacts that share a UID, or have none and the same name and date, are one event to a calendar program;
    // writing both would make the file invalid. The first in the order above is kept.
    std::vector<std::pair<std::uint64_t, std::uint32_t>> keys(events.size());
    for (std::size_t i = 0; i < events.size(); ++i)
        keys[i] = {events[i].Key, static_cast<std::uint32_t>(i)};
    // UIDs are only compared where their hashes meet.
    std::sort(keys.begin(), keys.end(), [&](const auto& a, const auto& b) {
        if (a.first != b.first)
            return a.first < b.first;
        if (const int order = UidOf(events[a.second]).compare(UidOf(events[b.second])); order != 0)
            return order < 0;
        return a.second < b.second;
    });
    std::vector<bool> dropped(events.size(), false);
    for (std::size_t i = 1; i < keys.size(); ++i)
        if (keys[i].first == keys[i - 1].first && UidOf(events[keys[i].second]) == UidOf(events[keys[i - 1].second]))
            dropped[keys[i].second] = true;

    std::vector<std::int32_t> alarmDays = options.AlarmDays;
    std::sort(alarmDays.begin(), alarmDays.end());
    alarmDays.erase(std::unique(alarmDays.begin(), alarmDays.end()), alarmDays.end());
    std::vector<std::string> triggers;
    for (const std::int32_t days : alarmDays)
        triggers.push_back(AlarmTrigger(days, options.AlarmMinute));

    std::string out;
    // Generous: pages that are reserved but never written cost no memory.
    out.reserve(events.size() * (400 + triggers.size() * 150) + 256);
    out += "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Nelvora//nelvora-report//EN\r\nCALSCALE:GREGORIAN\r\n"
           "X-WR-CALNAME:Nelvora\r\n";
    for (std::size_t i = 0; i < events.size(); ++i) {
        if (dropped[i])
            continue;
        AppendEvent(out, scratch, events[i], options, triggers);
    }
    out += "END:VCALENDAR\r\n";
    return out;
}
