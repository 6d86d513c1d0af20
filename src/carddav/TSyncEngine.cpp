#include "TSyncEngine.h"

#include "BookFolder.h"
#include "DavRequests.h"
#include "DavXml.h"
#include "UrlPolicy.h"
#include "VCardParser.h"

#include <QSet>

#include <ctime>
#include <fstream>
#include <set>
#include <sstream>

namespace CardDav {

namespace {

constexpr int MaxRedirects = 5;
// Hrefs a multiget asks for at once: a few hundred kilobytes of answer for ordinary cards.
constexpr int MultigetBatch = 100;
// A server that keeps answering "truncated, go on" is cut off after this many pages.
constexpr int MaxSyncPages = 1000;

bool IsRedirect(int status)
{
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

// An href as the sync compares it: the decoded path of the address it names, without a closing slash, so that
// "/a/b%40c.vcf", "/a/b@c.vcf" and "https://host/a/b@c.vcf" are one card.
QString Key(const QUrl& base, const QString& href)
{
    QString path = base.resolved(QUrl(href)).path(QUrl::FullyDecoded);
    while (path.size() > 1 && path.endsWith(u'/'))
        path.chop(1);
    return path;
}

QUrl WithSlash(QUrl url)
{
    if (!url.path().endsWith(u'/'))
        url.setPath(url.path() + u'/');
    return url;
}

std::optional<Stores::TCardDavState> ReadState(const std::filesystem::path& folder)
{
    std::ifstream in(folder / Stores::CardDavStateFile, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::stringstream text;
    text << in.rdbuf();
    return Stores::ParseCardDavState(text.str());
}

bool IsGroupCard(const QByteArray& text)
{
    const auto cards = VCard::ParseVCards(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
    if (cards.empty())
        return false;
    for (const auto& card : cards)
        if (!card.IsGroup)
            return false;
    return true;
}

std::string Std(const QString& text)
{
    return text.toStdString();
}

// One book's sync in progress: what the cache had, what the server changed, and the new folder being built.
struct TBookSync
{
    QUrl Url;
    std::map<QString, Stores::TCardDavCard> Known; // by Key
    std::map<QString, QString> ListedETags;        // by Key: what the listing said
    std::map<QString, QString> ToFetch;            // Key -> href as the server wrote it
    std::set<QString> Seen;                        // every Key the listing named as present
    std::set<QString> Removed;
    std::map<QString, Stores::TCardDavCard> Fetched; // by Key; File empty for a card left out
};

} // namespace

QString FailureText(const TDavReply& reply)
{
    switch (reply.Failure) {
    case TTransportFailure::Network:
        return QStringLiteral("server not reachable");
    case TTransportFailure::Certificate:
        return QStringLiteral("certificate not trusted");
    case TTransportFailure::Timeout:
        return QStringLiteral("timed out");
    case TTransportFailure::TooLarge:
        return QStringLiteral("answer too large");
    case TTransportFailure::None:
        break;
    }
    if (reply.Status == 401)
        return QStringLiteral("login failed");
    if (reply.Status == 403)
        return QStringLiteral("access denied");
    return QStringLiteral("server error %1").arg(reply.Status);
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

TDavReply TSyncEngine::Request(const QByteArray& method, const QUrl& url, const QByteArray& depth,
                               const QByteArray& body, QString& failure, QUrl* answeredBy)
{
    QUrl at = url;
    for (int hop = 0; hop <= MaxRedirects; ++hop) {
        // Checked before anything is sent: a refused address gets no request at all.
        if (const QString refusal = RefusalOf(at); !refusal.isEmpty()) {
            failure = refusal;
            return {};
        }
        if (!IsSameSite(m_account, at)) {
            failure = hop > 0 ? QStringLiteral("redirected to another host") : QStringLiteral("another host");
            return {};
        }
        TDavReply reply = m_transport.Send({method, at, depth, body});
        if (reply.Failure != TTransportFailure::None || reply.Status == 401) {
            failure = FailureText(reply);
            return reply;
        }
        if (IsRedirect(reply.Status) && reply.Location.isValid() && !reply.Location.isEmpty()) {
            const QUrl next = at.resolved(reply.Location);
            // Another host never gets the request, let alone the password.
            if (next.host().compare(m_account.host(), Qt::CaseInsensitive) != 0) {
                failure = QStringLiteral("redirected to another host");
                return {};
            }
            at = next;
            continue;
        }
        if (answeredBy)
            *answeredBy = at;
        return reply;
    }
    failure = QStringLiteral("too many redirects");
    return {};
}

QString TSyncEngine::Listing(const QUrl& url, const QByteArray& body, TMultiStatus& listing)
{
    QString failure;
    const TDavReply reply = Request("PROPFIND", url, "1", body, failure);
    if (!failure.isEmpty())
        return failure;
    if (reply.Status != 207)
        return FailureText(reply);
    auto status = ParseMultiStatus(reply.Body);
    if (!status)
        return QStringLiteral("unreadable answer");
    listing = std::move(*status);
    return {};
}

QString TSyncEngine::ListBooks(const QUrl& home, std::vector<TBookInfo>& books)
{
    TMultiStatus listing;
    if (QString failure = Listing(home, BookListPropfind(), listing); !failure.isEmpty())
        return failure;
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
    return {};
}

QString TSyncEngine::Discover(const QUrl& account, std::vector<TBookInfo>& books)
{
    m_account = account;
    books.clear();
    if (const QString refusal = RefusalOf(account); !refusal.isEmpty())
        return refusal;

    std::vector<QUrl> candidates;
    if (account.path().isEmpty() || account.path() == QLatin1String("/"))
        candidates.push_back(account.resolved(QUrl(QStringLiteral("/.well-known/carddav"))));
    candidates.push_back(account);

    QString lastFailure = QStringLiteral("no address book found");
    for (const QUrl& candidate : candidates) {
        QString failure;
        QUrl at;
        TDavReply reply = Request("PROPFIND", candidate, "0", DiscoveryPropfind(), failure, &at);
        if (!failure.isEmpty()) {
            // Nothing further will get past a refused login, an untrusted certificate or a server that is down.
            if (reply.Status == 401 || reply.Failure != TTransportFailure::None)
                return failure;
            lastFailure = failure;
            continue;
        }
        if (reply.Status != 207) {
            lastFailure = FailureText(reply);
            continue;
        }
        auto status = ParseMultiStatus(reply.Body);
        if (!status || status->Responses.empty()) {
            lastFailure = QStringLiteral("unreadable answer");
            continue;
        }
        const TDavResponse& self = status->Responses.front();
        if (self.IsAddressBook) {
            // The address names a book: list it alone, for its name and token.
            const QUrl book = WithSlash(at);
            std::vector<TBookInfo> listed;
            TDavReply one = Request("PROPFIND", book, "0", BookListPropfind(), failure);
            if (failure.isEmpty() && one.Status == 207) {
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
            if (!failure.isEmpty())
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
            if (!MayVisit(m_account, home))
                continue;
            if (const QString why = ListBooks(home, books); !why.isEmpty())
                lastFailure = why;
        }
        if (!books.empty())
            return {};
    }
    return lastFailure;
}

QString TSyncEngine::SyncBook(const TBookInfo& book, const QUrl& account, const QString& user,
                              const std::filesystem::path& folder, TCounters& counters)
{
    const auto old = ReadState(folder);
    const bool haveOld = old && old->BookUrl == Std(book.Url.toString());
    if (haveOld && ((!book.SyncToken.isEmpty() && old->SyncToken == Std(book.SyncToken)) ||
                    (book.SyncToken.isEmpty() && !book.CTag.isEmpty() && old->CTag == Std(book.CTag))))
        return {}; // the server says nothing changed: not one card is asked for

    TBookSync sync;
    sync.Url = book.Url;
    const QString self = Key(book.Url, book.Url.path());
    if (haveOld)
        for (const auto& card : old->Cards)
            sync.Known[Key(book.Url, QString::fromStdString(card.Href))] = card;

    // Every member a listing names: changed ones are fetched, removed ones dropped.
    const auto take = [&sync, &self](const TDavResponse& response) {
        const QString key = Key(sync.Url, response.Href);
        if (key == self || response.Href.isEmpty())
            return; // Xandikos and iCloud list the collection among its members
        if (response.Status == 404) {
            sync.Removed.insert(key);
            sync.Seen.erase(key);
            sync.ToFetch.erase(key);
            return;
        }
        if (!response.HasETag || response.IsCollection)
            return;
        sync.Removed.erase(key);
        sync.Seen.insert(key);
        sync.ListedETags[key] = response.ETag;
        const auto known = sync.Known.find(key);
        if (known == sync.Known.end() || QString::fromStdString(known->second.ETag) != response.ETag)
            sync.ToFetch[key] = response.Href;
        else
            sync.ToFetch.erase(key);
    };

    QString failure;
    QString newToken;
    bool complete = false; // the listing named every member: what it left out is gone
    bool listed = false;
    if (book.SupportsSync) {
        QString token = haveOld ? QString::fromStdString(old->SyncToken) : QString();
        bool restarted = false;
        for (int page = 0; page < MaxSyncPages; ++page) {
            const TDavReply reply = Request("REPORT", book.Url, "0", SyncCollectionReport(token), failure);
            if (!failure.isEmpty())
                return failure;
            if (reply.Status != 207) {
                // An expired token (RFC 6578: 403 or 409 with valid-sync-token) means one full resync; so does any
                // other refusal of a stored token (Xandikos answers an unknown one with 500).
                if (!token.isEmpty() && !restarted) {
                    token.clear();
                    restarted = true;
                    sync.ToFetch.clear();
                    sync.Seen.clear();
                    sync.Removed.clear();
                    sync.ListedETags.clear();
                    page = -1;
                    continue;
                }
                break; // the ETag listing below
            }
            const auto status = ParseMultiStatus(reply.Body);
            if (!status)
                return QStringLiteral("unreadable answer");
            bool truncated = false;
            for (const TDavResponse& response : status->Responses) {
                if (Key(book.Url, response.Href) == self && response.Status == 507)
                    truncated = true;
                else
                    take(response);
            }
            if (token.isEmpty())
                complete = true;
            newToken = status->SyncToken;
            if (!truncated || newToken.isEmpty() || newToken == token) {
                listed = true;
                break;
            }
            // A truncated answer: the rest comes with the token it gave. Pages after the first are increments.
            token = newToken;
        }
    }
    if (!listed) {
        TMultiStatus listing;
        if (failure = Listing(book.Url, ETagPropfind(), listing); !failure.isEmpty())
            return failure;
        sync.ToFetch.clear();
        sync.Seen.clear();
        sync.Removed.clear();
        for (const TDavResponse& response : listing.Responses)
            take(response);
        complete = true;
        newToken = book.SyncToken;
    }
    if (complete)
        for (const auto& [key, card] : sync.Known)
            if (!sync.Seen.contains(key))
                sync.Removed.insert(key);

    TBookWriter writer(folder);
    if (const std::string error = writer.Begin(); !error.empty())
        return QString::fromStdString(error);
    std::set<std::string> usedFiles;
    const auto fileFor = [&usedFiles](const QString& key) {
        std::string name = CardFileName(Std(key));
        for (int n = 2; usedFiles.contains(name); ++n)
            name = CardFileName(Std(key) + '#' + std::to_string(n));
        usedFiles.insert(name);
        return name;
    };
    QString writeFailure;
    // `text` null: the card was too large to fetch at all.
    const auto store = [&](const QString& key, const QString& href, const QString& etag, const QByteArray* text) {
        Stores::TCardDavCard card{Std(href), Std(etag), {}};
        // Groups have no birthdays; a card past the limit is left out, not the book. Either is remembered with its
        // ETag, so it is not fetched again until it changes.
        if (text && text->size() <= m_maxCard && !IsGroupCard(*text)) {
            card.File = fileFor(key);
            if (const std::string error = writer.Put(card.File, std::string_view(text->constData(), text->size()));
                !error.empty() && writeFailure.isEmpty())
                writeFailure = QString::fromStdString(error);
        }
        sync.Fetched[key] = std::move(card);
        ++counters.Fetched;
    };

    // GET, one card: for servers that answer a multiget badly or leave a card out of it.
    const auto getOne = [&](const QString& key, const QString& href) -> QString {
        QString why;
        const TDavReply reply = Request("GET", book.Url.resolved(QUrl(href)), {}, {}, why);
        if (!why.isEmpty() && reply.Failure != TTransportFailure::TooLarge)
            return why;
        if (reply.Failure == TTransportFailure::TooLarge)
            store(key, href, sync.ListedETags[key], nullptr);
        else if (reply.Status == 200)
            store(key, href, sync.ListedETags[key], &reply.Body);
        else if (reply.Status == 404 || reply.Status == 410)
            sync.Removed.insert(key);
        else
            return FailureText(reply);
        return {};
    };

    std::vector<std::pair<QString, QString>> pending(sync.ToFetch.begin(), sync.ToFetch.end());
    // A batch whose answer is too large is split until it fits or holds one card.
    std::function<QString(std::size_t, std::size_t)> fetch = [&](std::size_t from, std::size_t to) -> QString {
        QStringList hrefs;
        for (std::size_t i = from; i < to; ++i)
            hrefs.append(pending[i].second);
        QString why;
        const TDavReply reply = Request("REPORT", book.Url, "1", MultigetReport(hrefs), why);
        if (reply.Failure == TTransportFailure::TooLarge) {
            if (to - from == 1) {
                store(pending[from].first, pending[from].second, sync.ListedETags[pending[from].first], nullptr);
                return {};
            }
            const std::size_t middle = from + (to - from) / 2;
            if (QString first = fetch(from, middle); !first.isEmpty())
                return first;
            return fetch(middle, to);
        }
        if (!why.isEmpty())
            return why;
        std::set<QString> answered;
        if (reply.Status == 207) {
            const auto status = ParseMultiStatus(reply.Body);
            if (!status)
                return QStringLiteral("unreadable answer");
            for (const TDavResponse& response : status->Responses) {
                const QString key = Key(book.Url, response.Href);
                if (!sync.ToFetch.contains(key))
                    continue;
                if (response.Status == 404) {
                    sync.Removed.insert(key);
                    answered.insert(key);
                } else if (response.HasAddressData) {
                    store(key, sync.ToFetch[key], response.HasETag ? response.ETag : sync.ListedETags[key],
                          &response.AddressData);
                    answered.insert(key);
                }
            }
        }
        for (std::size_t i = from; i < to; ++i)
            if (!answered.contains(pending[i].first))
                if (QString single = getOne(pending[i].first, pending[i].second); !single.isEmpty())
                    return single;
        return {};
    };
    for (std::size_t from = 0; from < pending.size(); from += MultigetBatch) {
        if (QString why = fetch(from, std::min(pending.size(), from + MultigetBatch)); !why.isEmpty())
            return why;
        if (!writeFailure.isEmpty())
            return writeFailure;
    }

    Stores::TCardDavState state;
    state.BookUrl = Std(book.Url.toString());
    state.AccountUrl = Std(account.toString());
    state.User = Std(user);
    state.Name = Std(book.Name);
    state.SyncToken = Std(newToken);
    state.CTag = Std(book.CTag);
    state.SyncedAt = m_now();
    // Unchanged cards keep their files; fetched ones have theirs; removed ones are simply not carried over.
    for (const auto& [key, card] : sync.Known) {
        if (sync.Removed.contains(key) || sync.Fetched.contains(key))
            continue;
        if (complete && !sync.Seen.contains(key))
            continue;
        Stores::TCardDavCard kept = card;
        if (!kept.File.empty()) {
            const std::string from = kept.File;
            kept.File = fileFor(key);
            if (kept.File != from) {
                // Two hrefs cannot share a file; the rare clash takes a copy under the new name.
                std::ifstream in(folder / from, std::ios::binary);
                std::stringstream text;
                text << in.rdbuf();
                if (const std::string error = writer.Put(kept.File, text.str()); !error.empty())
                    return QString::fromStdString(error);
            } else if (const std::string error = writer.Keep(kept.File); !error.empty()) {
                return QString::fromStdString(error);
            }
        }
        state.Cards.push_back(std::move(kept));
    }
    for (auto& [key, card] : sync.Fetched)
        if (!sync.Removed.contains(key))
            state.Cards.push_back(card);
    for (const QString& key : sync.Removed)
        counters.Removed += sync.Known.contains(key) ? 1 : 0;
    if (const std::string error = writer.Commit(state); !error.empty())
        return QString::fromStdString(error);
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
        result.Failure = QString::fromStdString(error);
        return result;
    }
    if (error = MakePrivateFolders(m_cacheRoot, accountFolder); !error.empty()) {
        result.Failure = QString::fromStdString(error);
        return result;
    }
    RecoverBooks(accountFolder);

    result.Failure = Discover(account, result.Books);
    Stores::TCardDavStatus status;
    status.AccountUrl = Std(account.toString());
    if (result.Failure.isEmpty()) {
        std::set<std::string> current;
        TCounters counters;
        for (const TBookInfo& book : result.Books) {
            const std::string key = FolderKey(Std(book.Url.toString()));
            current.insert(key);
            if (const QString why = SyncBook(book, account, user, accountFolder / key, counters); !why.isEmpty()) {
                result.BookFailures[book.Url.toString()] = why;
                status.Failures[key] = Std(why);
            }
        }
        result.CardsFetched = counters.Fetched;
        result.CardsRemoved = counters.Removed;
        // A book deleted on the server leaves the cache too; only folders of books (plain keys) are ours to judge.
        std::error_code ignored;
        for (const auto& entry : std::filesystem::directory_iterator(accountFolder, ignored)) {
            const std::string name = entry.path().filename().string();
            if (entry.is_directory() && name.find('.') == std::string::npos && !current.contains(name))
                RemoveTree(entry.path());
        }
    } else {
        status.Failures[""] = Std(result.Failure);
    }
    status.TriedAt = m_now();
    WritePrivateFile(accountFolder / Stores::CardDavStatusFile, Stores::FormatCardDavStatus(status));
    return result;
}

} // namespace CardDav
