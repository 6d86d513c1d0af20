#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace VCard {

// Cards write "year unknown" either as --MMDD or with this placeholder (leap) year; both arrive as this year.
inline constexpr int UnknownYear = 1604;

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
    bool IsGroup = false; // vCard 4 KIND:group, Apple's X-ADDRESSBOOKSERVER-KIND:group, or a VLIST block
};

} // namespace VCard
