#pragma once

#include "CardDavCache.h"
#include "DavXml.h"
#include "FailureTexts.h"
#include "IDavTransport.h"

#include <QString>
#include <QUrl>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace CardDav {

// One address book the server offers.
struct TBookInfo
{
    QUrl Url;
    QString Name;
    QString SyncToken; // the book's token as listed; equal to the cached one means nothing changed
    QString CTag;
    bool SupportsSync = false; // RFC 6578 sync-collection
};

struct TSyncResult
{
    TFailure Failure; // the account's: none when its books were found
    std::vector<TBookInfo> Books;
    std::map<QString, TFailure> BookFailures; // by book URL; books not listed here were synced
    int CardsFetched = 0;
    int CardsRemoved = 0;

    bool Ok() const { return !Failure && BookFailures.empty(); }
    // What to report for the account as a whole: its own failure, else the first book's; none when all went well.
    TFailure FirstFailure() const;
};

// What a discovery found: the books, the homes they were listed in (none where the address is a book), and whether
// the server has to be given the password unasked.
struct TDiscovery
{
    std::vector<TBookInfo> Books;
    std::vector<QUrl> Homes;
    bool SendLogin = false;
};

// What one account's sync may spend before it stops with a failure and keeps the cached books as they were.
struct TSyncBudget
{
    std::chrono::milliseconds Time{10 * 60 * 1000}; // checked between requests: TimedOut
    qint64 Received = 256ll * 1024 * 1024;          // answer bodies, all requests together: AnswerTooLarge
    qint64 WrittenPerBook = 64ll * 1024 * 1024;     // card files written for one book: BookTooLarge
    int CardsPerBook = 50000;                       // BookTooLarge
};

// Finds an account's books and mirrors each into the cache, reading only (PROPFIND, REPORT, GET). A failure
// leaves every cached book as it was and is written to the account's status, where the module reads it. Blocks
// while it talks to the server: run it on a worker thread or in a command-line program.
class TSyncEngine final
{
public:
    TSyncEngine(IDavTransport& transport, std::filesystem::path cacheRoot);

    // Seconds since 1970, for the state's "last synced"; the system clock unless a test sets another.
    void SetClock(std::function<std::int64_t()> now) { m_now = std::move(now); }
    // The largest card kept; a larger one is left out of the cache, the rest of the book is not.
    void SetMaxCard(qint64 bytes) { m_maxCard = bytes; }
    // How long to wait for another program's sync of the same cache before giving up.
    void SetLockWait(std::chrono::milliseconds wait) { m_lockWait = wait; }
    void SetBudget(const TSyncBudget& budget) { m_budget = budget; }
    // The folder names (AccountFolder) of the accounts still listed, or nothing when the list cannot be read. Asked
    // under the cache lock when a sync starts and ends: folders of other accounts are removed then, and an account
    // removed meanwhile is not synced (AccountRemoved) and leaves no folder behind.
    using TListedAccounts = std::function<std::optional<std::set<std::string>>()>;
    void SetListedAccounts(TListedAccounts listed) { m_listed = std::move(listed); }
    // Called on the sync's thread as a book's cards arrive: the book, cards done, cards to fetch (-1 while its
    // listing is not in yet). Not called for a book that has not changed.
    using TProgress = std::function<void(const QUrl& book, int done, int total)>;
    void SetProgress(TProgress progress) { m_progress = std::move(progress); }
    // Set from any thread, the flag stops the sync before its next request (Cancelled); the books stay as they
    // were. The transport should watch the same flag to end the request in flight.
    void SetCancel(std::shared_ptr<const std::atomic<bool>> cancel) { m_cancel = std::move(cancel); }

    // Finds the books below the address the user gave: the address itself when it is a book, else its
    // /.well-known/carddav, principal and home. None, or why not (LoginFailed, ...). Writes nothing.
    TFailure Discover(const QUrl& account, std::vector<TBookInfo>& books);

    // What the last Discover() found; given to SetDiscovery() of the account's first sync, it spares that sync the
    // discovery (adding an account tests the login by discovering, then syncs).
    TDiscovery LastDiscovery(const std::vector<TBookInfo>& books) const
    {
        return {books, m_foundHomes, m_authenticate};
    }
    void SetDiscovery(TDiscovery found) { m_given = std::move(found); }

    // Discovers (or, for a day, lists again only the homes the last discovery found), syncs every book that
    // changed, drops the cache of books the server no longer has, writes the status.
    TSyncResult Sync(const QUrl& account, const QString& user);

    // Where one account's books are cached.
    static std::filesystem::path AccountFolder(const std::filesystem::path& cacheRoot, const QUrl& account,
                                               const QString& user);

private:
    friend class TBookSync;

    // Starts the clock and the byte count of the budget.
    void StartBudget();
    // Why no further request may go out (cancelled, out of time or bytes), or empty.
    TFailure Spent() const;
    void Report(const QUrl& book, int done, int total) const;
    // Removes the folders of accounts no longer listed; false when `accountFolder`'s own account is one of them.
    bool KeepListedAccounts(const std::filesystem::path& accountFolder);
    // `unauthenticated`: the server answered as to nobody in particular, so the password was never tried.
    TFailure DiscoverOnce(const QUrl& account, std::vector<TBookInfo>& books, bool& unauthenticated);

    // Sends a request, following redirects on the account's host itself (the method and body go again, so a
    // PROPFIND stays a PROPFIND). `failure` is set for a transport failure, a refused hop or 401.
    TDavReply Request(const QByteArray& method, const QUrl& url, const QByteArray& depth, const QByteArray& body,
                      TFailure& failure, QUrl* answeredBy = nullptr);
    // A PROPFIND of depth 1 whose answer must be a multistatus.
    TFailure Listing(const QUrl& url, const QByteArray& body, TMultiStatus& listing);
    TFailure ListBooks(const QUrl& home, std::vector<TBookInfo>& books);
    void AddBooks(const QUrl& home, const TMultiStatus& listing, std::vector<TBookInfo>& books) const;
    // The books again from what an earlier discovery found, in one listing; `stale` when that no longer holds.
    TFailure Rediscover(const Stores::TCardDavStatus& known, std::vector<TBookInfo>& books, bool& stale);
    TFailure SyncBook(const TBookInfo& book, const QUrl& account, const QString& user,
                     const std::filesystem::path& folder, TSyncResult& result);

    IDavTransport& m_transport;
    std::filesystem::path m_cacheRoot;
    QUrl m_account;
    std::function<std::int64_t()> m_now;
    qint64 m_maxCard = 4ll * 1024 * 1024;
    std::chrono::milliseconds m_lockWait{0};
    TSyncBudget m_budget;
    std::shared_ptr<const std::atomic<bool>> m_cancel;
    std::chrono::steady_clock::time_point m_deadline;
    qint64 m_received = 0;
    bool m_inSync = false;
    bool m_authenticate = false; // send the password unasked: the server answered a request without a login
    TListedAccounts m_listed;
    std::vector<QUrl> m_foundHomes; // by the last discovery
    std::optional<TDiscovery> m_given;
    TProgress m_progress;
};

// An href as the sync compares it: the decoded path of the address it names, without a closing slash, so that
// "/a/b%40c.vcf", "/a/b@c.vcf" and "https://host/a/b@c.vcf" are one card.
QString HrefKey(const QUrl& base, const QString& href);

// Why a request failed: the transport's failure, or the HTTP status that is not the one asked for.
TFailure ReplyFailure(const TDavReply& reply);

} // namespace CardDav
