#pragma once

#include <string_view>

namespace Stores {

// What one of Evolution Data Server's source files (`<uid>.source`, a key file) says about an address book.
struct TEvolutionSource
{
    bool IsAddressBook = false; // it has an [Address Book] group; other sources are calendars, mail, accounts
    bool Enabled = true;        // [Data Source] Enabled, off when "false" or "0"
    bool IsLocal = false;       // BackendName=local: the book is kept here, not a cache of a server's book
};

TEvolutionSource ParseEvolutionSource(std::string_view text);

} // namespace Stores
