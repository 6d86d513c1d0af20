#include "AccountSync.h"

#include "BookFolder.h"
#include "CardDavCache.h"
#include "TQtDavTransport.h"

#include <ctime>

namespace CardDav {

std::filesystem::path CacheRoot()
{
    return Stores::CardDavCacheRoot(Stores::TStoreEnvironment::FromProcess());
}

QString TestLogin(const QUrl& url, const QString& user, const QString& password, std::vector<TBookInfo>& books)
{
    TQtDavTransport transport(url, user, password);
    TSyncEngine engine(transport, CacheRoot());
    return engine.Discover(url, books);
}

QString TestLoginAtFirst(const std::vector<QUrl>& candidates, const QString& user, const QString& password,
                         std::vector<TBookInfo>& books, QUrl& chosen)
{
    QString kept;
    for (const QUrl& candidate : candidates) {
        const QString failure = TestLogin(candidate, user, password, books);
        if (failure.isEmpty()) {
            chosen = candidate;
            return {};
        }
        if (failure == QLatin1String("login failed"))
            return failure;
        // A server that answered says more than one that could not be reached.
        if (kept.isEmpty() && failure != QLatin1String("server not reachable"))
            kept = failure;
    }
    return kept.isEmpty() ? QStringLiteral("server not found") : kept;
}

TSyncResult SyncAccount(const TAccount& account, const QString& password, std::chrono::milliseconds lockWait,
                        int* requests, qint64* bytes)
{
    const QUrl url(QString::fromStdString(account.Url));
    const QString user = QString::fromStdString(account.User);
    TQtDavTransport transport(url, user, password);
    TSyncEngine engine(transport, CacheRoot());
    engine.SetLockWait(lockWait);
    TSyncResult result = engine.Sync(url, user);
    if (requests)
        *requests = transport.Requests();
    if (bytes)
        *bytes = transport.BytesReceived();
    return result;
}

void RecordAccountFailure(const TAccount& account, const QString& failure)
{
    const std::filesystem::path root = CacheRoot();
    const std::filesystem::path folder = TSyncEngine::AccountFolder(root, QUrl(QString::fromStdString(account.Url)),
                                                                    QString::fromStdString(account.User));
    if (root.empty() || !MakePrivateFolders(root, folder).empty())
        return;
    Stores::TCardDavStatus status;
    status.AccountUrl = account.Url;
    status.TriedAt = static_cast<std::int64_t>(std::time(nullptr));
    status.Failures[""] = failure.toStdString();
    WritePrivateFile(folder / Stores::CardDavStatusFile, Stores::FormatCardDavStatus(status));
}

QString RemoveAccountCache(const TAccount& account)
{
    const std::filesystem::path root = CacheRoot();
    if (root.empty())
        return {};
    const std::string error = RemoveTree(TSyncEngine::AccountFolder(root, QUrl(QString::fromStdString(account.Url)),
                                                                    QString::fromStdString(account.User)));
    return QString::fromStdString(error);
}

} // namespace CardDav
