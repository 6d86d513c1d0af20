#include "TSyncEngine.h"

#include "BookFolder.h"
#include "DavRequests.h"
#include "DavXml.h"
#include "TBookSync.h"
#include "UrlPolicy.h"

#include <QSet>

#include <ctime>
#include <fstream>
#include <set>
#include <sstream>

namespace CardDav {

namespace {

constexpr int MaxRedirects = 5;

bool IsRedirect(int status)
{
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

QUrl WithSlash(QUrl url)
{
    if (!url.path().endsWith(u'/'))
        url.setPath(url.path() + u'/');
    return url;
}

std::string Std(const QString& text)
{
    return text.toStdString();
}

constexpr std::int64_t RediscoverAfterSeconds = 24 * 3600;

int DefaultPort(const QUrl& url)
{
    return url.scheme() == QLatin1String("https") ? 443 : 80;
}

} // namespace

QString HrefKey(const QUrl& base, const QString& href)
{
    QString path = base.resolved(QUrl(href)).path(QUrl::FullyDecoded);
    while (path.size() > 1 && path.endsWith(u'/'))
        path.chop(1);
    return path;
}

TFailure TSyncResult::FirstFailure() const
{
    if (Failure || BookFailures.empty())
        return Failure;
    return BookFailures.begin()->second;
}

TFailure ReplyFailure(const TDavReply& reply)
{
    switch (reply.Failure) {
    case TTransportFailure::Network:
        return TSyncFailure::ServerNotReachable;
    case TTransportFailure::Certificate:
        return TSyncFailure::CertificateNotTrusted;
    case TTransportFailure::Timeout:
        return TSyncFailure::TimedOut;
    case TTransportFailure::TooLarge:
        return TSyncFailure::AnswerTooLarge;
    case TTransportFailure::None:
        break;
    }
    if (reply.Status == 401)
        return TSyncFailure::LoginFailed;
    if (reply.Status == 403)
        return TSyncFailure::AccessDenied;
    return TFailure::Server(reply.Status);
}

TSyncEngine::TSyncEngine(IDavTransport& transport, std::filesystem::path cacheRoot)
    : m_transport(transport), m_cacheRoot(std::move(cacheRoot)),
      m_now([] { return static_cast<std::int64_t>(std::time(nullptr)); })
{
}

std::filesystem::path TSyncEngine::AccountFolder(const std::filesystem::path& cacheRoot, const QUrl& account,
                                                 const QString& user)
{
    return cacheRoot / FolderKey(Std(account.toString() + u'\n' + user));
}

void TSyncEngine::StartBudget()
{
    m_deadline = std::chrono::steady_clock::now() + m_budget.Time;
    m_received = 0;
}

TFailure TSyncEngine::Spent() const
{
    if (m_cancel && m_cancel->load())
        return TSyncFailure::Cancelled;
    if (std::chrono::steady_clock::now() >= m_deadline)
        return TSyncFailure::TimedOut;
    if (m_received > m_budget.Received)
        return TSyncFailure::AnswerTooLarge;
    return {};
}

TDavReply TSyncEngine::Request(const QByteArray& method, const QUrl& url, const QByteArray& depth,
                               const QByteArray& body, TFailure& failure, QUrl* answeredBy)
{
    QUrl at = url;
    for (int hop = 0; hop <= MaxRedirects; ++hop) {
        if (failure = Spent(); failure)
            return {};
        // Checked before anything is sent: a refused address gets no request at all.
        if (failure = RefusalOf(at); failure)
            return {};
        if (!IsSameSite(m_account, at)) {
            failure = hop > 0 ? TSyncFailure::RedirectedToAnotherHost : TSyncFailure::AnotherHost;
            return {};
        }
        TDavReply reply = m_transport.Send({method, at, depth, body, m_authenticate});
        m_received += std::max<qint64>(reply.Received, reply.Body.size());
        // What came after a cancellation or past the budget is not used: the book stays as it was.
        if (failure = Spent(); failure)
            return {};
        if (reply.Failure != TTransportFailure::None || reply.Status == 401) {
            failure = ReplyFailure(reply);
            return reply;
        }
        if (IsRedirect(reply.Status) && reply.Location.isValid() && !reply.Location.isEmpty()) {
            const QUrl next = at.resolved(reply.Location);
            // Another server never gets the request, let alone the password: the same scheme, host and port, or
            // the same host and its standard port upgraded from http to https.
            const bool sameHost = next.host().compare(at.host(), Qt::CaseInsensitive) == 0;
            const bool sameOrigin =
                sameHost && next.scheme() == at.scheme() && next.port(DefaultPort(next)) == at.port(DefaultPort(at));
            const bool upgrade = sameHost && at.scheme() == QLatin1String("http") &&
                                 next.scheme() == QLatin1String("https") && next.port(443) == 443 && at.port(80) == 80;
            if (!sameOrigin && !upgrade) {
                failure = TSyncFailure::RedirectedToAnotherHost;
                return {};
            }
            at = next;
            continue;
        }
        if (answeredBy)
            *answeredBy = at;
        return reply;
    }
    failure = TSyncFailure::TooManyRedirects;
    return {};
}

TFailure TSyncEngine::Listing(const QUrl& url, const QByteArray& body, TMultiStatus& listing)
{
    TFailure failure;
    const TDavReply reply = Request("PROPFIND", url, "1", body, failure);
    if (failure)
        return failure;
    if (reply.Status != 207)
        return ReplyFailure(reply);
    auto status = ParseMultiStatus(reply.Body);
    if (!status)
        return TSyncFailure::UnreadableAnswer;
    listing = std::move(*status);
    return {};
}

void TSyncEngine::AddBooks(const QUrl& home, const TMultiStatus& listing, std::vector<TBookInfo>& books) const
{
    for (const TDavResponse& response : listing.Responses) {
        if (!response.IsAddressBook)
            continue;
        const QUrl url = WithSlash(home.resolved(QUrl(response.Href)));
        if (!MayVisit(m_account, url))
            continue;
        bool known = false;
        for (const TBookInfo& book : books)
            known = known || book.Url == url;
        if (!known)
            books.push_back(
                {url, response.DisplayName, response.SyncToken, response.CTag, response.SupportsSyncCollection});
    }
}

TFailure TSyncEngine::ListBooks(const QUrl& home, std::vector<TBookInfo>& books)
{
    TMultiStatus listing;
    if (TFailure failure = Listing(home, BookListPropfind(), listing))
        return failure;
    AddBooks(home, listing, books);
    return {};
}

TFailure TSyncEngine::Discover(const QUrl& account, std::vector<TBookInfo>& books)
{
    if (!m_inSync)
        StartBudget();
    m_account = account;
    m_authenticate = false;
    bool unauthenticated = false;
    TFailure failure = DiscoverOnce(account, books, unauthenticated);
    // A server that answers without asking for a login (RFC 5397's unauthenticated principal, or simply nothing)
    // has not seen the password yet: it is asked once more with it, before anything is blamed on the books.
    if (unauthenticated || failure.Code == TSyncFailure::NoAddressBook) {
        m_authenticate = true;
        failure = DiscoverOnce(account, books, unauthenticated);
        if (unauthenticated)
            failure = TSyncFailure::LoginFailed;
    }
    return failure;
}

TFailure TSyncEngine::DiscoverOnce(const QUrl& account, std::vector<TBookInfo>& books, bool& unauthenticated)
{
    books.clear();
    m_foundHomes.clear();
    unauthenticated = false;
    if (TFailure refusal = RefusalOf(account))
        return refusal;

    std::vector<QUrl> candidates;
    if (account.path().isEmpty() || account.path() == QLatin1String("/"))
        candidates.push_back(account.resolved(QUrl(QStringLiteral("/.well-known/carddav"))));
    candidates.push_back(account);

    TFailure lastFailure = TSyncFailure::NoAddressBook;
    for (const QUrl& candidate : candidates) {
        TFailure failure;
        QUrl at;
        TDavReply reply = Request("PROPFIND", candidate, "0", DiscoveryPropfind(), failure, &at);
        if (failure) {
            // Nothing further will get past a refused login, an untrusted certificate or a server that is down.
            if (reply.Status == 401 || reply.Failure != TTransportFailure::None)
                return failure;
            lastFailure = failure;
            continue;
        }
        if (reply.Status != 207) {
            lastFailure = ReplyFailure(reply);
            continue;
        }
        auto status = ParseMultiStatus(reply.Body);
        if (!status || status->Responses.empty()) {
            lastFailure = TSyncFailure::UnreadableAnswer;
            continue;
        }
        const TDavResponse& self = status->Responses.front();
        if (self.Unauthenticated && !self.IsAddressBook && self.AddressBookHomeSet.isEmpty()) {
            unauthenticated = true;
            return TSyncFailure::LoginFailed;
        }
        if (self.IsAddressBook) {
            // The address names a book: list it alone, for its name and token.
            const QUrl book = WithSlash(at);
            std::vector<TBookInfo> listed;
            TDavReply one = Request("PROPFIND", book, "0", BookListPropfind(), failure);
            if (!failure && one.Status == 207) {
                if (const auto answer = ParseMultiStatus(one.Body); answer && !answer->Responses.empty()) {
                    const TDavResponse& found = answer->Responses.front();
                    books.push_back(
                        {book, found.DisplayName, found.SyncToken, found.CTag, found.SupportsSyncCollection});
                    return {};
                }
            }
            books.push_back({book, QString(), QString(), QString(), false});
            return {};
        }

        QStringList homes = self.AddressBookHomeSet;
        QUrl homeBase = at;
        if (homes.isEmpty() && !self.CurrentUserPrincipal.isEmpty()) {
            const QUrl principal = at.resolved(QUrl(self.CurrentUserPrincipal.front()));
            QUrl principalAt;
            const TDavReply answer = Request("PROPFIND", principal, "0", DiscoveryPropfind(), failure, &principalAt);
            if (failure)
                return failure;
            if (answer.Status == 207) {
                if (const auto parsed = ParseMultiStatus(answer.Body); parsed && !parsed->Responses.empty()) {
                    homes = parsed->Responses.front().AddressBookHomeSet;
                    homeBase = principalAt;
                }
            }
        }
        for (const QString& href : homes) {
            const QUrl home = WithSlash(homeBase.resolved(QUrl(href)));
            m_foundHomes.push_back(home);
            if (!MayVisit(m_account, home))
                continue;
            // One home that cannot be listed fails the discovery: its books would otherwise look removed.
            if (TFailure why = ListBooks(home, books))
                return why;
        }
        if (!books.empty())
            return {};
    }
    return lastFailure;
}

TFailure TSyncEngine::SyncBook(const TBookInfo& book, const QUrl& account, const QString& user,
                               const std::filesystem::path& folder, TSyncResult& result)
{
    TBookSync sync(*this, book, folder);
    if (sync.Unchanged())
        return {}; // the server says nothing changed: not one card is asked for
    TFailure failure = sync.List();
    if (!failure)
        failure = sync.Fetch();
    if (!failure)
        failure = sync.Commit(account, user);
    if (!failure) {
        result.CardsFetched += sync.Fetched();
        result.CardsRemoved += sync.Removed();
    }
    return failure;
}

bool TSyncEngine::KeepListedAccounts(const std::filesystem::path& accountFolder)
{
    if (!m_listed)
        return true;
    const auto listed = m_listed();
    if (!listed)
        return true; // a list that cannot be read removes nothing
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(m_cacheRoot, ignored)) {
        const std::string name = entry.path().filename().string();
        if (entry.is_directory(ignored) && !entry.is_symlink(ignored) && name.find('.') == std::string::npos &&
            !listed->contains(name))
            RemoveTree(entry.path());
    }
    return listed->contains(accountFolder.filename().string());
}

void TSyncEngine::Report(const QUrl& book, int done, int total) const
{
    if (m_progress)
        m_progress(book, done, total);
}

TFailure TSyncEngine::Rediscover(const Stores::TCardDavStatus& known, std::vector<TBookInfo>& books, bool& stale)
{
    m_authenticate = known.SendLogin;
    books.clear();
    // Stale until every home or book has been listed; a failure of the server itself is no reason to discover.
    stale = true;
    const auto failed = [&stale](TFailure why) {
        stale = false;
        return why;
    };
    // The homes listed for books, or the books themselves where the address is one.
    const bool homes = !known.Homes.empty();
    for (const std::string& text : homes ? known.Homes : known.Books) {
        const QUrl url(QString::fromStdString(text));
        if (!MayVisit(m_account, url))
            return {};
        TFailure failure;
        const TDavReply reply = Request("PROPFIND", url, homes ? "1" : "0", BookListPropfind(), failure);
        if (failure)
            return failed(failure);
        // Gone, moved or closed: what was found once no longer holds.
        if (reply.Status == 404 || reply.Status == 410 || reply.Status == 403 || IsRedirect(reply.Status))
            return {};
        if (reply.Status != 207)
            return failed(ReplyFailure(reply));
        const auto listing = ParseMultiStatus(reply.Body);
        if (!listing)
            return failed(TSyncFailure::UnreadableAnswer);
        if (homes) {
            AddBooks(url, *listing, books);
        } else {
            if (listing->Responses.empty() || !listing->Responses.front().IsAddressBook)
                return {};
            const TDavResponse& found = listing->Responses.front();
            books.push_back({url, found.DisplayName, found.SyncToken, found.CTag, found.SupportsSyncCollection});
        }
    }
    m_foundHomes.clear();
    for (const std::string& home : known.Homes)
        m_foundHomes.emplace_back(QString::fromStdString(home));
    stale = false;
    return {};
}

TSyncResult TSyncEngine::Sync(const QUrl& account, const QString& user)
{
    TSyncResult result;
    const std::filesystem::path accountFolder = AccountFolder(m_cacheRoot, account, user);
    std::string error;
    const auto lock = TCacheLock::Take(m_cacheRoot, m_lockWait, error);
    if (!lock) {
        // Another program is syncing this very cache: what it writes is as good as what this one would.
        result.Failure = TFailure::Local(error);
        return result;
    }
    // An account removed before the lock was had is not synced, and no folder of it comes back.
    if (!KeepListedAccounts(accountFolder)) {
        result.Failure = TSyncFailure::AccountRemoved;
        return result;
    }
    if (error = MakePrivateFolders(m_cacheRoot, accountFolder); !error.empty()) {
        result.Failure = TFailure::Local(error);
        return result;
    }
    RecoverBooks(accountFolder);

    StartBudget();
    m_inSync = true;

    // What the last discovery found stands for a day; it costs one listing instead of the whole discovery.
    const auto known = Stores::ReadCardDavStatus(accountFolder);
    const std::int64_t now = m_now();
    bool discovered = false;
    bool stale = true;
    if (m_given) {
        m_account = account;
        result.Books = std::move(m_given->Books);
        m_foundHomes = std::move(m_given->Homes);
        m_authenticate = m_given->SendLogin;
        m_given.reset();
        stale = false;
        discovered = true;
    } else if (known && known->AccountUrl == Std(account.toString()) && known->DiscoveredAt > 0 &&
               known->DiscoveredAt <= now && now - known->DiscoveredAt < RediscoverAfterSeconds) {
        m_account = account;
        result.Failure = Rediscover(*known, result.Books, stale);
    }
    if (stale) {
        result.Failure = Discover(account, result.Books);
        discovered = true;
    }
    Stores::TCardDavStatus status;
    status.AccountUrl = Std(account.toString());
    if (!result.Failure) {
        status.DiscoveredAt = discovered ? now : known->DiscoveredAt;
        status.SendLogin = m_authenticate;
        for (const QUrl& home : m_foundHomes)
            status.Homes.push_back(Std(home.toString()));
        if (m_foundHomes.empty())
            for (const TBookInfo& book : result.Books)
                status.Books.push_back(Std(book.Url.toString()));
        std::set<std::string> current;
        for (const TBookInfo& book : result.Books) {
            const std::string key = FolderKey(Std(book.Url.toString()));
            current.insert(key);
            if (const TFailure why = SyncBook(book, account, user, accountFolder / key, result)) {
                result.BookFailures[book.Url.toString()] = why;
                status.Failures[key] = why;
                // A book that is gone or closed: the next sync discovers again.
                if (why == TFailure::Server(404) || why == TFailure::Server(410) ||
                    why.Code == TSyncFailure::AccessDenied)
                    status.DiscoveredAt = 0;
            }
        }
        // A book deleted on the server leaves the cache too; only folders of books (plain keys) are ours to judge.
        std::error_code ignored;
        for (const auto& entry : std::filesystem::directory_iterator(accountFolder, ignored)) {
            const std::string name = entry.path().filename().string();
            if (entry.is_directory() && name.find('.') == std::string::npos && !current.contains(name))
                RemoveTree(entry.path());
        }
    } else {
        status.Failures[""] = result.Failure;
    }
    m_inSync = false;
    // Removed while it synced: the removal could not take the lock and left the folder to this sync.
    if (!KeepListedAccounts(accountFolder)) {
        RemoveTree(accountFolder);
        result.Failure = TSyncFailure::AccountRemoved;
        return result;
    }
    // Quitting is no failure of the server: the status of the last real attempt stays.
    if (m_cancel && m_cancel->load())
        return result;
    status.TriedAt = m_now();
    WritePrivateFile(accountFolder / Stores::CardDavStatusFile, Stores::FormatCardDavStatus(status));
    return result;
}

} // namespace CardDav
