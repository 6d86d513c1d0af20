#include "AccountSync.h"

#include "BookFolder.h"
#include "CardDavCache.h"
#include "TQtDavTransport.h"

#include <ctime>
#include <optional>
#include <set>

namespace CardDav {

std::filesystem::path CacheRoot()
{
    return Stores::CardDavCacheRoot(Stores::TStoreEnvironment::FromProcess());
}

TFailure TestLogin(const QUrl& url, const QString& user, const QString& password, std::vector<TBookInfo>& books,
                   TDiscovery* found)
{
    TQtDavTransport transport(url, user, password);
    TSyncEngine engine(transport, CacheRoot());
    const TFailure failure = engine.Discover(url, books);
    if (found && !failure)
        *found = engine.LastDiscovery(books);
    return failure;
}

TFailure TestLoginAtFirst(const std::vector<QUrl>& candidates, const QString& user, const QString& password,
                          std::vector<TBookInfo>& books, QUrl& chosen, TDiscovery* found, TSyncFailure noneAnswered)
{
    TFailure kept;
    for (const QUrl& candidate : candidates) {
        const TFailure failure = TestLogin(candidate, user, password, books, found);
        if (!failure) {
            chosen = candidate;
            return {};
        }
        if (failure.Code == TSyncFailure::LoginFailed)
            return failure;
        // A server that answered says more than one that could not be reached.
        if (!kept && failure.Code != TSyncFailure::ServerNotReachable)
            kept = failure;
    }
    return kept ? kept : TFailure(noneAnswered);
}

namespace {

std::filesystem::path FolderOf(const std::filesystem::path& root, const TAccount& account)
{
    return TSyncEngine::AccountFolder(root, QUrl(QString::fromStdString(account.Url)),
                                      QString::fromStdString(account.User));
}

// The folder names of the listed accounts; nothing when the list cannot be read.
std::optional<std::set<std::string>> ListedAccountFolders(const std::filesystem::path& root)
{
    const std::filesystem::path file = AccountsFile();
    if (file.empty())
        return std::nullopt;
    std::string error;
    const std::vector<TAccount> accounts = LoadAccounts(file, error);
    if (!error.empty())
        return std::nullopt;
    std::set<std::string> folders;
    for (const TAccount& account : accounts)
        folders.insert(FolderOf(root, account).filename().string());
    return folders;
}

} // namespace

TSyncResult SyncAccount(const TAccount& account, const QString& password, std::chrono::milliseconds lockWait,
                        int* requests, qint64* bytes, const TSyncControl& control)
{
    const QUrl url(QString::fromStdString(account.Url));
    const QString user = QString::fromStdString(account.User);
    const std::filesystem::path root = CacheRoot();
    TQtDavTransport transport(url, user, password);
    transport.SetCancel(control.Cancel);
    TSyncEngine engine(transport, root);
    engine.SetLockWait(lockWait);
    engine.SetCancel(control.Cancel);
    engine.SetProgress(control.Progress);
    if (control.Discovery)
        engine.SetDiscovery(*control.Discovery);
    engine.SetListedAccounts([root] { return ListedAccountFolders(root); });
    TSyncResult result = engine.Sync(url, user);
    if (requests)
        *requests = transport.Requests();
    if (bytes)
        *bytes = transport.BytesReceived();
    return result;
}

void RecordAccountFailure(const TAccount& account, const TFailure& failure)
{
    const std::filesystem::path root = CacheRoot();
    if (root.empty())
        return;
    const std::filesystem::path folder = FolderOf(root, account);
    std::string error;
    // A sync holding the lock writes the account's status itself.
    const auto lock = TCacheLock::Take(root, std::chrono::milliseconds(0), error);
    if (!lock)
        return;
    const auto listed = ListedAccountFolders(root);
    if (!listed || !listed->contains(folder.filename().string()) || !MakePrivateFolders(root, folder).empty())
        return;
    Stores::TCardDavStatus status;
    status.AccountUrl = account.Url;
    status.TriedAt = static_cast<std::int64_t>(std::time(nullptr));
    status.Failures[""] = failure;
    WritePrivateFile(folder / Stores::CardDavStatusFile, Stores::FormatCardDavStatus(status));
}

QString RemoveAccountCache(const TAccount& account)
{
    const std::filesystem::path root = CacheRoot();
    if (root.empty())
        return {};
    std::string error;
    const auto lock = TCacheLock::Take(root, std::chrono::milliseconds(0), error);
    if (!lock)
        return error == CacheLockBusy ? QString() : QString::fromStdString(error);
    return QString::fromStdString(RemoveTree(FolderOf(root, account)));
}

} // namespace CardDav
