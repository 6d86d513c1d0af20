#pragma once

#include "BookFolder.h"
#include "TSyncEngine.h"

#include <QString>
#include <QUrl>

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <set>

namespace CardDav {

// One book's sync, in three steps that each return why they failed (none when they did not):
//  - List() asks the server what changed since the cached state: the sync report with the saved token, pages of it,
//    one full resync when the token is refused, or the ETag listing where there is no sync report;
//  - Fetch() downloads the changed cards into a staging folder: multigets of up to a hundred, split while an answer
//    is too large, a GET for what a multiget left out;
//  - Commit() writes the new state and swaps the staging folder in.
// The book's limits (cards, bytes written) are kept here; the account's (time, bytes received, cancellation) by the
// engine, whose requests these are. After any failure the cached book is as it was.
class TBookSync final
{
public:
    TBookSync(TSyncEngine& engine, const TBookInfo& book, std::filesystem::path folder);

    // The server's listing of the book says nothing changed since the cache: not one request is needed.
    bool Unchanged() const;
    TFailure List();
    TFailure Fetch();
    TFailure Commit(const QUrl& account, const QString& user);

    int Fetched() const { return static_cast<int>(m_fetched.size()); }
    int Removed() const;

private:
    void Take(const TDavResponse& response);
    void ForgetListing();
    TFailure ListPages(bool& listed);
    TFailure FetchBatch(std::size_t from, std::size_t to);
    TFailure GetOne(const QString& key, const QString& href);
    // `text` null: the card was too large to fetch at all.
    void Store(const QString& key, const QString& href, const QString& etag, const QByteArray* text);
    std::string FileFor(const QString& key);
    QString Key(const QString& href) const;

    TSyncEngine& m_engine;
    TBookInfo m_book;
    std::filesystem::path m_folder;
    std::optional<Stores::TCardDavState> m_old; // the cached state, when it is this book's
    QString m_self;                             // the book's own key: listings may name it among its members

    std::map<QString, Stores::TCardDavCard> m_known; // by Key: what the cache had
    std::map<QString, QString> m_listedETags;        // by Key: what the listing said
    std::map<QString, QString> m_toFetch;            // Key -> href as the server wrote it
    std::map<QString, QByteArray> m_listedData;      // by Key: a card's text the listing brought along
    std::set<QString> m_seen;                        // every Key the listing named as present
    std::set<QString> m_removed;
    std::map<QString, Stores::TCardDavCard> m_fetched; // by Key; File empty for a card left out
    std::vector<std::pair<QString, QString>> m_pending;
    QString m_newToken;
    bool m_complete = false; // the listing named every member: what it left out is gone

    std::unique_ptr<TBookWriter> m_writer;
    std::set<std::string> m_usedFiles;
    qint64 m_written = 0;
    TFailure m_writeFailure;
};

} // namespace CardDav
