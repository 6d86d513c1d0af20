#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A date is a floating count of days, day 0 being 30 December 1899; the fraction is the time of day.
// 0 stands for "no date".
using TDate = double;

// How one date of one contact falls against today and the look-ahead window.
enum DueCategory : std::uint8_t {
    dueNone = 0,
    dueToday = 1,
    dueTomorrow = 2,
    dueWithin = 3,
};

// One contact as read from the address book.
struct tdstAddressItem
{
    std::string Name;
    TDate Birthday = 0;
    TDate Anniversary = 0;
    std::string Uid = {}; // the card's own identifier; empty when it has none
    // How to reach the person, the most preferred first; empty when the address book gives none.
    std::vector<std::string> Emails = {};
    std::vector<std::string> Phones = {};
};

// One contact's due dates. The dates are kept as stored; the occurrence found for them is not.
struct tdstEvent
{
    std::string Name;
    TDate Birthday = 0;
    TDate Anniversary = 0;
    DueCategory BirthdayDue = dueNone;
    std::int32_t BirthdayYears = 0;
    DueCategory AnniversaryDue = dueNone;
    std::int32_t AnniversaryYears = 0;
};
