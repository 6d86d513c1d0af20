#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace VCard {

// Cards write "year unknown" either as --MMDD or with this placeholder (leap) year; both arrive as this year.
inline constexpr int UnknownYear = 1604;
// A written year up to this one is a placeholder too (khard and several phones write 1900): read as UnknownYear.
inline constexpr int PlaceholderYearLimit = 1900;

// A calendar date exactly as the card writes it: no time, no zone.
struct TVCardDate
{
    std::int16_t Year = 0;
    std::uint8_t Month = 0;
    std::uint8_t Day = 0;
    friend bool operator==(const TVCardDate&, const TVCardDate&) = default;
};

// What the reminder needs from one card. Kept small: a large address book holds many of these at once.
struct TVCard
{
    std::string Name; // UTF-8, trimmed; empty when the card has neither FN nor N
    std::optional<TVCardDate> Birthday;
    std::optional<TVCardDate> Anniversary;
    std::string Uid;
    // How to reach the person: the values, the most preferred first, separated by TReachList::Separator, each fit
    // to pass on as it is (see TReachList). Empty when the card gives none.
    std::string Emails;
    std::string Phones;
    bool IsGroup = false; // vCard 4 KIND:group, Apple's X-ADDRESSBOOKSERVER-KIND:group, or a VLIST block
    // Nextcloud's X-NC-EXCLUDE-FROM-BIRTHDAY-CALENDAR, which synced folders carry: the person asked for no
    // reminders. Like Nextcloud, any value counts.
    bool NoReminders = false;
};

} // namespace VCard
