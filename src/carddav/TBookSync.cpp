#include "TBookSync.h"

#include "DavRequests.h"
#include "VCardParser.h"

#include <fstream>
#include <sstream>

namespace CardDav {

namespace {

// Hrefs a multiget asks for at once: a few hundred kilobytes of answer for ordinary cards.
constexpr int MultigetBatch = 100;
// A server that keeps answering "truncated, go on" is cut off after this many pages.
constexpr int MaxSyncPages = 1000;

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

} // namespace

TBookSync::TBookSync(TSyncEngine& engine, const TBookInfo& book, std::filesystem::path folder)
    : m_engine(engine), m_book(book), m_folder(std::move(folder))
{
    m_old = Stores::ReadCardDavState(m_folder);
    if (m_old && m_old->BookUrl != Std(m_book.Url.toString()))
        m_old.reset();
    m_self = Key(m_book.Url.path());
    if (m_old)
        for (const auto& card : m_old->Cards)
            m_known[Key(QString::fromStdString(card.Href))] = card;
}

QString TBookSync::Key(const QString& href) const
{
    return HrefKey(m_book.Url, href);
}

bool TBookSync::Unchanged() const
{
    if (!m_old)
        return false;
    if (!m_book.SyncToken.isEmpty())
        return m_old->SyncToken == Std(m_book.SyncToken);
    return !m_book.CTag.isEmpty() && m_old->CTag == Std(m_book.CTag);
}

int TBookSync::Removed() const
{
    int removed = 0;
    for (const QString& key : m_removed)
        removed += m_known.contains(key) ? 1 : 0;
    return removed;
}

// Every member a listing names: changed ones are fetched, removed ones dropped.
void TBookSync::Take(const TDavResponse& response)
{
    const QString key = Key(response.Href);
    if (key == m_self || response.Href.isEmpty())
        return; // Xandikos and iCloud list the collection among its members
    if (response.Status == 404) {
        m_removed.insert(key);
        m_seen.erase(key);
        m_toFetch.erase(key);
        return;
    }
    // A member must lie below the book: a card of another book or of nobody's is none of this one's.
    if (!response.HasETag || response.IsCollection || !key.startsWith(m_self.endsWith(u'/') ? m_self : m_self + u'/'))
        return;
    m_removed.erase(key);
    m_seen.insert(key);
    m_listedETags[key] = response.ETag;
    const auto known = m_known.find(key);
    if (known == m_known.end() || QString::fromStdString(known->second.ETag) != response.ETag) {
        m_toFetch[key] = response.Href;
        if (response.HasAddressData)
            m_listedData[key] = response.AddressData;
        else
            m_listedData.erase(key);
    } else {
        m_toFetch.erase(key);
    }
}

void TBookSync::ForgetListing()
{
    m_toFetch.clear();
    m_seen.clear();
    m_removed.clear();
    m_listedETags.clear();
    m_listedData.clear();
}

TFailure TBookSync::ListPages(bool& listed)
{
    QString token = m_old ? QString::fromStdString(m_old->SyncToken) : QString();
    bool restarted = false;
    for (int page = 0; page < MaxSyncPages; ++page) {
        TFailure failure;
        const TDavReply reply =
            m_engine.Request("REPORT", m_book.Url, "0", SyncCollectionReport(token, token.isEmpty()), failure);
        if (failure)
            return failure;
        if (reply.Status == 429 || reply.Status == 503)
            return ReplyFailure(reply); // busy: the next sync asks again, after the scheduler's pause
        if (reply.Status != 207) {
            // An expired token (RFC 6578: 403 or 409 with valid-sync-token) means one full resync; so does any
            // other refusal of a stored token (Xandikos answers an unknown one with 500).
            if (!token.isEmpty() && !restarted) {
                token.clear();
                restarted = true;
                ForgetListing();
                page = -1;
                continue;
            }
            return {}; // the ETag listing
        }
        const auto status = ParseMultiStatus(reply.Body);
        if (!status)
            return TSyncFailure::UnreadableAnswer;
        bool truncated = false;
        for (const TDavResponse& response : status->Responses) {
            if (Key(response.Href) == m_self && response.Status == 507)
                truncated = true;
            else
                Take(response);
        }
        if (m_seen.size() + m_removed.size() > static_cast<std::size_t>(m_engine.m_budget.CardsPerBook))
            return TSyncFailure::BookTooLarge;
        if (token.isEmpty())
            m_complete = true;
        m_newToken = status->SyncToken;
        if (!truncated) {
            listed = true;
            return {};
        }
        // Truncated without a way on (no token, or the one sent): the paging goes nowhere, the ETag listing decides.
        if (m_newToken.isEmpty() || m_newToken == token)
            return {};
        // A truncated answer: the rest comes with the token it gave. Pages after the first are increments.
        token = m_newToken;
    }
    return TSyncFailure::TooManyPages;
}

TFailure TBookSync::List()
{
    m_engine.Report(m_book.Url, 0, -1);
    bool listed = false;
    if (m_book.SupportsSync)
        if (TFailure failure = ListPages(listed))
            return failure;
    if (!listed) {
        TMultiStatus listing;
        if (TFailure failure = m_engine.Listing(m_book.Url, ETagPropfind(), listing))
            return failure;
        ForgetListing();
        for (const TDavResponse& response : listing.Responses)
            Take(response);
        if (m_seen.size() > static_cast<std::size_t>(m_engine.m_budget.CardsPerBook))
            return TSyncFailure::BookTooLarge;
        m_complete = true;
        m_newToken = m_book.SyncToken;
    }
    if (m_complete)
        for (const auto& [key, card] : m_known)
            if (!m_seen.contains(key))
                m_removed.insert(key);
    m_engine.Report(m_book.Url, 0, static_cast<int>(m_toFetch.size()));
    return {};
}

std::string TBookSync::FileFor(const QString& key)
{
    std::string name = CardFileName(Std(key));
    for (int n = 2; m_usedFiles.contains(name); ++n)
        name = CardFileName(Std(key) + '#' + std::to_string(n));
    m_usedFiles.insert(name);
    return name;
}

void TBookSync::Store(const QString& key, const QString& href, const QString& etag, const QByteArray* text)
{
    Stores::TCardDavCard card{Std(href), Std(etag), {}};
    // Groups have no birthdays; a card past the limit is left out, not the book. Either is remembered with its
    // ETag, so it is not fetched again until it changes.
    if (text && text->size() <= m_engine.m_maxCard && !IsGroupCard(*text)) {
        m_written += text->size();
        if (m_written > m_engine.m_budget.WrittenPerBook) {
            if (!m_writeFailure)
                m_writeFailure = TSyncFailure::BookTooLarge;
        } else {
            card.File = FileFor(key);
            if (const std::string error = m_writer->Put(
                    card.File, std::string_view(text->constData(), static_cast<std::size_t>(text->size())));
                !error.empty() && !m_writeFailure)
                m_writeFailure = TFailure::Local(error);
        }
    }
    m_fetched[key] = std::move(card);
}

// GET, one card: for servers that answer a multiget badly or leave a card out of it.
TFailure TBookSync::GetOne(const QString& key, const QString& href)
{
    TFailure why;
    const TDavReply reply = m_engine.Request("GET", m_book.Url.resolved(QUrl(href)), {}, {}, why);
    if (why && reply.Failure != TTransportFailure::TooLarge)
        return why;
    if (reply.Failure == TTransportFailure::TooLarge)
        Store(key, href, m_listedETags[key], nullptr);
    else if (reply.Status == 200)
        Store(key, href, m_listedETags[key], &reply.Body);
    else if (reply.Status == 404 || reply.Status == 410)
        m_removed.insert(key);
    else
        return ReplyFailure(reply);
    return {};
}

// A batch whose answer is too large is split until it fits or holds one card.
TFailure TBookSync::FetchBatch(std::size_t from, std::size_t to)
{
    QStringList hrefs;
    for (std::size_t i = from; i < to; ++i)
        hrefs.append(m_pending[i].second);
    TFailure why;
    const TDavReply reply = m_engine.Request("REPORT", m_book.Url, "1", MultigetReport(hrefs), why);
    if (reply.Failure == TTransportFailure::TooLarge) {
        if (to - from == 1) {
            Store(m_pending[from].first, m_pending[from].second, m_listedETags[m_pending[from].first], nullptr);
            return {};
        }
        const std::size_t middle = from + (to - from) / 2;
        if (TFailure first = FetchBatch(from, middle))
            return first;
        return FetchBatch(middle, to);
    }
    if (why)
        return why;
    std::set<QString> answered;
    if (reply.Status == 207) {
        const auto status = ParseMultiStatus(reply.Body);
        if (!status)
            return TSyncFailure::UnreadableAnswer;
        for (const TDavResponse& response : status->Responses) {
            const QString key = Key(response.Href);
            const auto wanted = m_toFetch.find(key);
            if (wanted == m_toFetch.end() || answered.contains(key))
                continue;
            if (response.Status == 404) {
                m_removed.insert(key);
                answered.insert(key);
            } else if (response.HasAddressData) {
                Store(key, wanted->second, response.HasETag ? response.ETag : m_listedETags[key],
                      &response.AddressData);
                answered.insert(key);
            }
        }
    }
    for (std::size_t i = from; i < to; ++i)
        if (!answered.contains(m_pending[i].first))
            if (TFailure single = GetOne(m_pending[i].first, m_pending[i].second))
                return single;
    return {};
}

TFailure TBookSync::Fetch()
{
    m_writer = std::make_unique<TBookWriter>(m_folder);
    if (const std::string error = m_writer->Begin(); !error.empty())
        return TFailure::Local(error);
    // Cards whose text came with the listing are stored as they are; only the others are asked for.
    int done = 0;
    for (const auto& [key, href] : m_toFetch) {
        const auto data = m_listedData.find(key);
        if (data == m_listedData.end()) {
            m_pending.emplace_back(key, href);
            continue;
        }
        Store(key, href, m_listedETags[key], &data->second);
        ++done;
    }
    m_listedData.clear();
    if (m_writeFailure)
        return m_writeFailure;
    for (std::size_t from = 0; from < m_pending.size(); from += MultigetBatch) {
        if (TFailure why = FetchBatch(from, std::min(m_pending.size(), from + MultigetBatch)))
            return why;
        if (m_writeFailure)
            return m_writeFailure;
        m_engine.Report(m_book.Url, done + static_cast<int>(std::min(m_pending.size(), from + MultigetBatch)),
                        static_cast<int>(m_toFetch.size()));
    }
    if (m_pending.empty() && done > 0)
        m_engine.Report(m_book.Url, done, done);
    return {};
}

TFailure TBookSync::Commit(const QUrl& account, const QString& user)
{
    Stores::TCardDavState state;
    state.BookUrl = Std(m_book.Url.toString());
    state.AccountUrl = Std(account.toString());
    state.User = Std(user);
    state.Name = Std(m_book.Name);
    state.SyncToken = Std(m_newToken);
    state.CTag = Std(m_book.CTag);
    state.SyncedAt = m_engine.m_now();
    // Unchanged cards keep their files; fetched ones have theirs; removed ones are simply not carried over.
    for (const auto& [key, card] : m_known) {
        if (m_removed.contains(key) || m_fetched.contains(key))
            continue;
        if (m_complete && !m_seen.contains(key))
            continue;
        Stores::TCardDavCard kept = card;
        if (!kept.File.empty()) {
            const std::string from = kept.File;
            kept.File = FileFor(key);
            if (kept.File != from) {
                // Two hrefs cannot share a file; the rare clash takes a copy under the new name.
                std::ifstream in(m_folder / from, std::ios::binary);
                std::stringstream text;
                text << in.rdbuf();
                if (const std::string error = m_writer->Put(kept.File, text.str()); !error.empty())
                    return TFailure::Local(error);
            } else if (const std::string error = m_writer->Keep(kept.File); !error.empty()) {
                return TFailure::Local(error);
            }
        }
        state.Cards.push_back(std::move(kept));
    }
    for (auto& [key, card] : m_fetched)
        if (!m_removed.contains(key))
            state.Cards.push_back(card);
    if (state.Cards.size() > static_cast<std::size_t>(m_engine.m_budget.CardsPerBook))
        return TSyncFailure::BookTooLarge;
    if (const std::string error = m_writer->Commit(state); !error.empty())
        return TFailure::Local(error);
    return {};
}

} // namespace CardDav
