#pragma once

#include "IStoreKind.h"

namespace Stores {

// Thunderbird's address books (local and synced CardDAV books): the SQLite files each profile's prefs.js names,
// for the native, Snap and Flatpak builds. Thunderbird holds its books under an exclusive lock while it runs, so a
// book is always read from a private copy. Shown as "thunderbird", with the path inside its profile.
class TThunderbirdStoreKind final : public IStoreKind
{
public:
    void Find(const TStoreEnvironment& environment, std::vector<TStoreLocation>& found) const override;
    std::optional<std::string> Recognise(const std::filesystem::path& path, std::string_view head) const override;
    std::string Read(const TStoreLocation& store, TStoreRun& run, std::vector<VCard::TVCard>& cards) const override;
};

} // namespace Stores
