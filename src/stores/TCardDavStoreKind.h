#pragma once

#include "IStoreKind.h"

#include <functional>

namespace Stores {

// The online address books, as the program's sync mirrors them below $XDG_CACHE_HOME/nelvora/carddav (see
// CardDavCache.h). Reads the mirror only, never the network. Shown as "carddav" with the book's URL; a book whose
// last sync failed is read all the same and says "stale, last synced <time> (<why>)".
class TCardDavStoreKind final : public IStoreKind
{
public:
    void Find(const TStoreEnvironment& environment, std::vector<TStoreLocation>& found) const override;
    std::optional<std::string> Recognise(const std::filesystem::path& path, std::string_view head) const override;
    std::string Read(const TStoreLocation& store, TStoreRun& run, std::vector<VCard::TVCard>& cards) const override;

    // Called after each card file a reading takes in: a test swaps the book there, as a sync may at any moment.
    void SetAfterFileForTests(std::function<void()> afterFile) { m_afterFile = std::move(afterFile); }

private:
    std::function<void()> m_afterFile;
};

} // namespace Stores
