#pragma once

#include "TVCard.h"

#include <optional>
#include <string_view>
#include <vector>

namespace VCard {

// Every card of a vCard 2.1, 3.0 or 4.0 text, in order, including cards that lack END (cut-off exports).
// Never fails and never throws on bad bytes: what cannot be read is left out of the card.
std::vector<TVCard> ParseVCards(std::string_view bytes);
// The same, appending to `cards`, so that one list can collect many files without copying.
void ParseVCards(std::string_view bytes, std::vector<TVCard>& cards);

// A BDAY or ANNIVERSARY value: YYYY-MM-DD, YYYYMMDD, --MM-DD, --MMDD, each optionally followed by a time part
// (ignored), and the Sony Ericsson yearless 0MMDD. Year 0 and an unknown year give UnknownYear. Anything else,
// or a day that does not exist, gives nothing.
std::optional<TVCardDate> ParseVCardDate(std::string_view value);

} // namespace VCard
