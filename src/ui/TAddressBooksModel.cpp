#include "TAddressBooksModel.h"

#include "ExcludedStoresChoice.h"

#include <algorithm>
#include <ctime>
#include <string_view>

namespace {

constexpr const char* OnlineKind = "carddav";
constexpr const char* StalePrefix = "stale, last synced ";

std::string LocalTime(std::int64_t seconds)
{
    if (seconds <= 0)
        return "never";
    const auto time = static_cast<std::time_t>(seconds);
    std::tm local = {};
    char text[32];
    if (::localtime_r(&time, &local) == nullptr || std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local) == 0)
        return {};
    return text;
}

} // namespace

void TAddressBooksModel::SetStores(const std::vector<TStoreInfo>& stores)
{
    m_stores = stores;
    Build();
}

void TAddressBooksModel::SetBooks(std::map<std::string, TBookSync> books)
{
    m_books = std::move(books);
    Build();
}

void TAddressBooksModel::SetExcluded(const std::vector<std::string>& paths)
{
    m_excluded = std::set<std::string>(paths.begin(), paths.end());
    Build();
}

void TAddressBooksModel::SetProgress(const TProgress& progress)
{
    m_progress = progress;
    if (m_progress.Total < -1)
        m_progress.Total = -1;
    m_progress.Done = std::max<std::int64_t>(m_progress.Done, 0);
    if (!m_progress.Running)
        m_progress = TProgress{};
    Build();
}

void TAddressBooksModel::SetLeftOut(const std::string& name, bool leftOut, const std::string& fileName)
{
    std::set<std::string> next = m_excluded;
    if (leftOut)
        next.insert(name);
    else
        next.erase(name);
    if (next == m_excluded)
        return;
    // Written first: a choice the file does not hold would be forgotten at the next start.
    SaveExcludedChoice({next.begin(), next.end()}, fileName);
    m_excluded = std::move(next);
    Build();
}

int TAddressBooksModel::Permille(const TProgress& progress)
{
    if (progress.Total <= 0)
        return -1;
    const std::int64_t done = std::clamp<std::int64_t>(progress.Done, 0, progress.Total);
    return static_cast<int>(done * 1000 / progress.Total);
}

void TAddressBooksModel::SplitStale(const std::string& status, std::string& when, std::string& reason)
{
    when.clear();
    reason.clear();
    std::string_view rest = status;
    const std::string_view prefix = StalePrefix;
    if (!rest.starts_with(prefix)) {
        // Some other wording: all of it is the reason.
        reason = rest.starts_with("stale") ? std::string(rest.substr(5)) : status;
        while (!reason.empty() && (reason.front() == ',' || reason.front() == ' '))
            reason.erase(0, 1);
        return;
    }
    rest.remove_prefix(prefix.size());
    const std::size_t open = rest.find(" (");
    if (open == std::string_view::npos || !rest.ends_with(')')) {
        when = rest;
        return;
    }
    when = rest.substr(0, open);
    reason = rest.substr(open + 2, rest.size() - open - 3);
}

void TAddressBooksModel::Build()
{
    m_rows.clear();
    m_rows.reserve(m_stores.size());
    for (const TStoreInfo& store : m_stores) {
        TRow row;
        row.Kind = store.Kind;
        row.Name = store.Path;
        row.Online = store.Kind == OnlineKind;
        row.LeftOut = m_excluded.contains(store.Path);
        row.Counted = store.WasRead();
        row.Contacts = row.Counted ? store.Contacts : 0;
        const auto book = row.Online ? m_books.find(store.Path) : m_books.end();
        if (row.LeftOut) {
            row.State = TState::LeftOut;
        } else if (row.Online && m_progress.Running &&
                   (m_progress.Account.empty() ||
                    (book != m_books.end() && book->second.AccountUrl == m_progress.Account))) {
            row.State = TState::Syncing;
        } else if (store.IsStale()) {
            row.State = TState::Stale;
            SplitStale(store.Status, row.When, row.Reason);
        } else if (store.WasRead()) {
            row.State = row.Online ? TState::Synced : TState::Read;
            if (row.Online && book != m_books.end() && book->second.SyncedAt > 0)
                row.When = LocalTime(book->second.SyncedAt);
        } else if (store.IsExcluded()) {
            // Taken back since the last check: the next check reads it.
            row.State = TState::Read;
        } else {
            row.State = TState::Unreadable;
            row.Reason = store.Status;
        }
        m_rows.push_back(std::move(row));
    }
}
