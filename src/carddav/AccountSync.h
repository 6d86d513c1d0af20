#pragma once

#include "AccountList.h"
#include "TSyncEngine.h"

#include <QString>
#include <QUrl>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

// What the report, the Options page and the background sync do with an account, over the real network and the
// real cache. Blocking: a worker thread or the command line.
namespace CardDav {

// <cache>/nelvora/carddav of this process's user.
std::filesystem::path CacheRoot();

// Logs in and finds the books, writing nothing: the test an account passes before it is saved. `found`, when
// given, keeps what was found for the account's first sync.
TFailure TestLogin(const QUrl& url, const QString& user, const QString& password, std::vector<TBookInfo>& books,
                   TDiscovery* found = nullptr);

// What a sync on another thread watches and reports to.
struct TSyncControl
{
    std::shared_ptr<const std::atomic<bool>> Cancel; // set: the sync stops at once, its books as they were
    TSyncEngine::TProgress Progress;                 // called on the sync's thread
    std::optional<TDiscovery> Discovery;             // from TestLogin just before: not discovered again
};

// TestLogin() at each address in turn until one works; `chosen` is that one. A refused login ends the search (the
// password is wrong everywhere); when no address answered at all, the failure is `noneAnswered`: a typed server is
// out of reach, while the addresses an e-mail domain named mean that it has no address-book server.
TFailure TestLoginAtFirst(const std::vector<QUrl>& candidates, const QString& user, const QString& password,
                          std::vector<TBookInfo>& books, QUrl& chosen, TDiscovery* found = nullptr,
                          TSyncFailure noneAnswered = TSyncFailure::ServerNotReachable);

// Discovers and syncs one account into the cache. `lockWait`: how long another program's sync may hold it up.
// Folders of accounts no longer in the account list are removed on the way.
TSyncResult SyncAccount(const TAccount& account, const QString& password, std::chrono::milliseconds lockWait,
                        int* requests = nullptr, qint64* bytes = nullptr, const TSyncControl& control = {});

// Records a failure that came before any request (no password in the keyring), so that the list of stores says
// why the books are stale. Under the cache lock, and only for an account still listed.
void RecordAccountFailure(const TAccount& account, const TFailure& failure);

// Removes the account's cached books, under the cache lock. While a sync holds the lock, that sync removes them
// when it ends, since the account is no longer listed. Empty, or why not.
QString RemoveAccountCache(const TAccount& account);

} // namespace CardDav
