#pragma once

#include "IStoreKind.h"

namespace Stores {

// Evolution Data Server's books (GNOME Contacts, Evolution, the desktop's online accounts): local books'
// contacts.db and synced books' cache.db, for the native and the Flatpak build. Shown as "evolution".
class TEvolutionStoreKind final : public IStoreKind
{
public:
    void Find(const TStoreEnvironment& environment, std::vector<TStoreLocation>& found) const override;
    std::optional<std::string> Recognise(const std::filesystem::path& path, std::string_view head) const override;
    std::string Read(const TStoreLocation& store, TStoreRun& run, std::vector<VCard::TVCard>& cards) const override;
};

} // namespace Stores
