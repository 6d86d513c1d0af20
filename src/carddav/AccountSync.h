#pragma once

#include "AccountList.h"
#include "TSyncEngine.h"

#include <QString>
#include <QUrl>

#include <chrono>
#include <filesystem>
#include <vector>

// What the report, the Options page and the background sync do with an account, over the real network and the
// real cache. Blocking: a worker thread or the command line.
namespace CardDav {

// <cache>/nelvora/carddav of this process's user.
std::filesystem::path CacheRoot();

// Logs in and finds the books, writing nothing: the test an account passes before it is saved.
QString TestLogin(const QUrl& url, const QString& user, const QString& password, std::vector<TBookInfo>& books);

// TestLogin() at each address in turn until one works; `chosen` is that one. A refused login ends the search (the
// password is wrong everywhere); when no address answered at all, the failure is "server not found".
QString TestLoginAtFirst(const std::vector<QUrl>& candidates, const QString& user, const QString& password,
                         std::vector<TBookInfo>& books, QUrl& chosen);

// Discovers and syncs one account into the cache. `lockWait`: how long another program's sync may hold it up.
TSyncResult SyncAccount(const TAccount& account, const QString& password, std::chrono::milliseconds lockWait,
                        int* requests = nullptr, qint64* bytes = nullptr);

// Records a failure that came before any request (no password in the keyring), so that the list of stores says
// why the books are stale.
void RecordAccountFailure(const TAccount& account, const QString& failure);

// Removes the account's cached books. Empty, or why not.
QString RemoveAccountCache(const TAccount& account);

} // namespace CardDav
