#pragma once

#include "TVCard.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace Stores {

// One person, one row, in the order an address book lists them. `cards` come store by store in reading order;
// `storeOf[i]` is the store of cards[i]. A card whose UID came before is dropped (the first store, and inside a
// store the first file, wins). Across stores, cards with the same display name (ignoring case and runs of blanks)
// and the same birthday month and day are one person too: the one that gives a birth year wins. What is left is
// sorted by display name, case-insensitively in the user's collation; ties keep reading order. A person with a
// card that asks for no reminders (NoReminders) is left out; for a repeated UID only the first card decides.
// The row of a person keeps the e-mail addresses and phone numbers of every copy, each once, those of the copy whose
// content the row shows first.
void MergeContacts(std::vector<VCard::TVCard>& cards, const std::vector<std::uint32_t>& storeOf);

// The display name as the merge compares it: lower case, blanks trimmed and runs of them made one space.
std::string FoldedName(std::string_view name);

} // namespace Stores
