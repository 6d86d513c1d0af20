#include "ContactStores.h"

#include "ContactMerge.h"
#include "StoreKinds.h"
#include "sqlite/TSqliteDatabase.h"

#include <sys/stat.h>

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
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

std::string ShownText(std::string_view text)
{
    std::string shown(text);
    for (char& c : shown)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = '?';
    return shown;
}

std::vector<TFound> FindStores(const TStoreEnvironment& environment)
{
    std::vector<TFound> stores;
    std::map<std::pair<dev_t, ino_t>, std::size_t> seen;
    for (const IStoreKind* kind : StoreKinds()) {
        std::vector<TStoreLocation> found;
        kind->Find(environment, found);
        for (auto& location : found) {
            struct stat info;
            // A store that vanished since it was found is simply not there; one reached twice is read once.
            if (::stat(location.Path.c_str(), &info) != 0)
                continue;
            const auto [at, added] = seen.try_emplace({info.st_dev, info.st_ino}, stores.size());
            if (!added) {
                // KDE's resource often names the desktop's contacts folder, which is found first.
                TStoreLocation& kept = stores[at->second].second;
                if (kept.Owner.empty())
                    kept.Owner = std::move(location.Owner);
                continue;
            }
            stores.emplace_back(kind, std::move(location));
        }
    }
    return stores;
}

TContacts LoadContacts(const std::vector<std::filesystem::path>& sources, const std::vector<std::string>& excluded)
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

    // A path the user names on the command line is read whatever the list says.
    std::set<std::string, std::less<>> left;
    if (sources.empty())
        left.insert(excluded.begin(), excluded.end());

    TStoreRun run;
    std::vector<std::uint32_t> storeOf;
    for (std::size_t index = 0; index < stores.size(); ++index) {
        const auto& [kind, location] = stores[index];
        if (!left.empty() && left.contains(ShownText(location.ShownName()))) {
            result.Stores.push_back({location, 0, ExcludedReason});
            continue;
        }
        const std::size_t first = result.Cards.size();
        std::string skipped = kind->Read(location, run, result.Cards);
        if (!skipped.empty())
            result.Cards.resize(first);
        result.Stores.push_back({location, result.Cards.size() - first, std::move(skipped)});
        if (!run.Partly.empty() && result.Stores.back().Skipped.empty())
            result.Stores.back().Location.Note = run.Partly;
        run.Partly.clear();
        storeOf.resize(result.Cards.size(), static_cast<std::uint32_t>(index));
    }
    MergeContacts(result.Cards, storeOf);
    return result;
}

} // namespace Stores
