#pragma once

#include "IStoreKind.h"
#include "TVCard.h"

#include <cstddef>
#include <filesystem>
#include <string>
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

// Reads the user's contacts. With no `sources`, every store of every kind that exists on this machine; otherwise
// exactly the named files, folders and databases, each recognised by its content. A store that cannot be read is
// reported and skipped; nothing here throws for what is on the disk.
TContacts LoadContacts(const std::vector<std::filesystem::path>& sources);

// Every store found on this machine, in reading order, once each (a folder or file reached twice is kept where
// it was first found).
std::vector<std::pair<const IStoreKind*, TStoreLocation>> FindStores(const TStoreEnvironment& environment);

} // namespace Stores
