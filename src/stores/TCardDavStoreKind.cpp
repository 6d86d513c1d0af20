#include "TCardDavStoreKind.h"

#include "CardDavCache.h"
#include "VCardSources.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>

namespace Stores {

namespace {

// The sync swaps a book's folder while a reading may be under way; a reading that saw the folder change reads
// again, a few times at most.
constexpr int MaxReadings = 3;

// Folders of the cache are plain keys; staging and aside folders carry a dot and are the sync's business.
std::vector<std::filesystem::path> KeyFolders(const std::filesystem::path& folder)
{
    std::vector<std::filesystem::path> folders;
    DIR* listing = ::opendir(folder.c_str());
    if (!listing)
        return folders;
    while (const dirent* entry = ::readdir(listing)) {
        const std::string_view name = entry->d_name;
        if (name.empty() || name.find('.') != std::string_view::npos)
            continue;
        struct stat info;
        const std::filesystem::path path = folder / entry->d_name;
        if (::lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode))
            folders.push_back(path);
    }
    ::closedir(listing);
    std::sort(folders.begin(), folders.end());
    return folders;
}

bool SameFolder(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace

void TCardDavStoreKind::Find(const TStoreEnvironment& environment, std::vector<TStoreLocation>& found) const
{
    const std::filesystem::path root = CardDavCacheRoot(environment);
    if (root.empty())
        return;
    for (const auto& account : KeyFolders(root)) {
        const auto status = ReadCardDavStatus(account);
        bool anyBook = false;
        for (const auto& book : KeyFolders(account)) {
            const auto state = ReadCardDavState(book);
            if (!state)
                continue;
            anyBook = true;
            const TFailure failure = status ? status->FailureOf(book.filename().string()) : TFailure();
            found.push_back(
                {"carddav", book, "", state->BookUrl, failure ? StaleText(state->SyncedAt, failure) : std::string()});
        }
        // An account that never synced: listed, so that the list says why its books are missing.
        if (!anyBook && status && !status->AccountUrl.empty() && status->FailureOf(""))
            found.push_back({"carddav", account, "", status->AccountUrl, {}});
    }
}

std::optional<std::string> TCardDavStoreKind::Recognise(const std::filesystem::path&, std::string_view) const
{
    // A cache folder named on the command line is read as the vCard folder it is.
    return std::nullopt;
}

std::string TCardDavStoreKind::Read(const TStoreLocation& store, TStoreRun& run,
                                    std::vector<VCard::TVCard>& cards) const
{
    if (!ReadCardDavState(store.Path)) {
        const auto status = ReadCardDavStatus(store.Path);
        const TFailure failure = status ? status->FailureOf("") : TFailure();
        return failure ? "not synced yet (" + FailureWords(failure) + ")" : "not synced yet";
    }
    std::string buffer;
    for (int reading = 0; reading < MaxReadings; ++reading) {
        struct stat before;
        if (::stat(store.Path.c_str(), &before) != 0)
            continue; // between the two renames of a file system without exchange
        std::vector<VCard::TVCard> read;
        std::vector<std::pair<dev_t, ino_t>> files;
        std::vector<std::size_t> ends;
        for (const auto& file : VCard::CollectVCardFiles({store.Path})) {
            struct stat info;
            if (::stat(file.c_str(), &info) != 0 || !VCard::LoadVCardFile(file, buffer, read))
                continue;
            files.emplace_back(info.st_dev, info.st_ino);
            ends.push_back(read.size());
            if (m_afterFile)
                m_afterFile();
        }
        struct stat after;
        if (::stat(store.Path.c_str(), &after) != 0 || !SameFolder(before, after))
            continue;
        // One folder, read whole: only now do its files count as visited.
        std::size_t from = 0;
        for (std::size_t i = 0; i < files.size(); ++i) {
            if (run.FirstVisit(files[i].first, files[i].second))
                cards.insert(cards.end(), std::make_move_iterator(read.begin() + static_cast<std::ptrdiff_t>(from)),
                             std::make_move_iterator(read.begin() + static_cast<std::ptrdiff_t>(ends[i])));
            from = ends[i];
        }
        return {};
    }
    return "changing while read";
}

} // namespace Stores
