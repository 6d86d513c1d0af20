#include "ContactStores.h"

#include "ContactMerge.h"
#include "StoreKinds.h"
#include "TSqliteDatabase.h"

#include <sys/stat.h>

#include <cstdint>
#include <set>
#include <utility>

namespace Stores {

namespace {

using TFound = std::pair<const IStoreKind*, TStoreLocation>;

// The kind that reads a path the user named; null when none does.
const IStoreKind* KindOf(const std::filesystem::path& path, std::string& label)
{
    const std::string head = TSqliteDatabase::Head(path);
    for (const IStoreKind* kind : StoreKinds()) {
        if (auto recognised = kind->Recognise(path, head)) {
            label = std::move(*recognised);
            return kind;
        }
    }
    return nullptr;
}

} // namespace

std::vector<TFound> FindStores(const TStoreEnvironment& environment)
{
    std::vector<TFound> stores;
    std::set<std::pair<dev_t, ino_t>> seen;
    for (const IStoreKind* kind : StoreKinds()) {
        std::vector<TStoreLocation> found;
        kind->Find(environment, found);
        for (auto& location : found) {
            struct stat info;
            // A store that vanished since it was found is simply not there; one reached twice is read once.
            if (::stat(location.Path.c_str(), &info) != 0 || !seen.insert({info.st_dev, info.st_ino}).second)
                continue;
            stores.emplace_back(kind, std::move(location));
        }
    }
    return stores;
}

TContacts LoadContacts(const std::vector<std::filesystem::path>& sources)
{
    TContacts result;
    std::vector<TFound> stores;
    if (sources.empty()) {
        stores = FindStores(TStoreEnvironment::FromProcess());
    } else {
        for (const auto& path : sources) {
            if (path.empty())
                continue;
            struct stat info;
            if (::stat(path.c_str(), &info) != 0) {
                result.Stores.push_back({{"unknown", path}, 0, "not found"});
                continue;
            }
            std::string label;
            if (const IStoreKind* kind = KindOf(path, label))
                stores.emplace_back(kind, TStoreLocation{std::move(label), path});
            else
                result.Stores.push_back({{"unknown", path}, 0, "a database of no known address book"});
        }
    }

    TStoreRun run;
    std::vector<std::uint32_t> storeOf;
    for (std::size_t index = 0; index < stores.size(); ++index) {
        const auto& [kind, location] = stores[index];
        const std::size_t first = result.Cards.size();
        std::string skipped = kind->Read(location, run, result.Cards);
        if (!skipped.empty())
            result.Cards.resize(first);
        result.Stores.push_back({location, result.Cards.size() - first, std::move(skipped)});
        storeOf.resize(result.Cards.size(), static_cast<std::uint32_t>(index));
    }
    MergeContacts(result.Cards, storeOf);
    return result;
}

} // namespace Stores
