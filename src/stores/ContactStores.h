#pragma once

#include "IStoreKind.h"
#include "TVCard.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace Stores {

// What became of one store in a reading.
struct TStoreReport
{
    TStoreLocation Location;
    std::size_t Contacts = 0; // cards read from it, before the merge
    std::string Skipped;      // empty when it was read, else why not
};

struct TContacts
{
    std::vector<VCard::TVCard> Cards; // merged, in display-name order
    std::vector<TStoreReport> Stores; // in reading order
};

// Reads the user's contacts. With no `sources`, every store of every kind that exists on this machine, except those
// whose shown path (ShownText) is in `excluded`: they are reported as skipped, "excluded", and not opened.
// Otherwise exactly the named files, folders and databases, each recognised by its content, excluded or not. A
// store that cannot be read is reported and skipped; nothing here throws for what is on the disk.
TContacts LoadContacts(const std::vector<std::filesystem::path>& sources,
                       const std::vector<std::string>& excluded = {});

// Text as the store list shows it, one store a line with tab-separated fields: control characters become '?'.
std::string ShownText(std::string_view text);

inline constexpr const char* ExcludedReason = "excluded";

// Every store found on this machine, in reading order, once each (a folder or file reached twice is kept where
// it was first found).
std::vector<std::pair<const IStoreKind*, TStoreLocation>> FindStores(const TStoreEnvironment& environment);

} // namespace Stores
