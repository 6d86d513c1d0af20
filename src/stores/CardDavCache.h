#pragma once

#include "SyncFailure.h"
#include "TStoreEnvironment.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The private mirror of the user's online address books, as the program's sync writes it and the module reads it:
//   <cache>/nelvora/carddav/<account>/status          the last attempt to sync that account
//   <cache>/nelvora/carddav/<account>/<book>/state    what the book's cards are (href, ETag, file), its token
//   <cache>/nelvora/carddav/<account>/<book>/*.vcf    one file a card
// Folders and names are opaque keys (hashes); the URLs are inside the files. The module only reads.
namespace Stores {

inline constexpr const char* CardDavStateFile = "state";
inline constexpr const char* CardDavStatusFile = "status";

struct TCardDavCard
{
    std::string Href; // as the server wrote it
    std::string ETag;
    std::string File; // the card's file in the book's folder; empty for a card that is not kept (a group)
    friend bool operator==(const TCardDavCard&, const TCardDavCard&) = default;
};

// One book's mirror. Written whole with its cards; a reader sees the old one or the new one.
struct TCardDavState
{
    std::string BookUrl;
    std::string AccountUrl;
    std::string User;
    std::string Name; // the book's display name on the server
    std::string SyncToken;
    std::string CTag;
    std::int64_t SyncedAt = 0; // seconds since 1970 of the sync that wrote it
    std::vector<TCardDavCard> Cards;
    friend bool operator==(const TCardDavState&, const TCardDavState&) = default;
};

// The last attempt to sync one account: when, and what failed. A failure that concerns one book only is kept under
// that book's folder name; the key "" stands for the whole account (login, certificate, network).
struct TCardDavStatus
{
    std::string AccountUrl;
    std::int64_t TriedAt = 0;
    std::map<std::string, TFailure> Failures;
    // What the last full discovery found, so that the next syncs need not repeat it: the homes listed for books,
    // or, for an address that is a book itself, that book. DiscoveredAt 0: none to go by.
    std::int64_t DiscoveredAt = 0;
    std::vector<std::string> Homes;
    std::vector<std::string> Books;
    bool SendLogin = false; // the server answers without asking for a login: the password goes unasked
    friend bool operator==(const TCardDavStatus&, const TCardDavStatus&) = default;

    // What went wrong for one book: its own failure, else the account's; empty when its last sync went well.
    TFailure FailureOf(const std::string& book) const;
};

std::string FormatCardDavState(const TCardDavState& state);
// Nothing for text that is not a state file of this format (a damaged or foreign file).
std::optional<TCardDavState> ParseCardDavState(std::string_view text);

std::string FormatCardDavStatus(const TCardDavStatus& status);
std::optional<TCardDavStatus> ParseCardDavStatus(std::string_view text);

// The state of the book cached in `book`, and the status of the account cached in `account`: the one reader of
// each, for the sync and the module alike. Nothing when the file is missing, no regular file, damaged or foreign.
std::optional<TCardDavState> ReadCardDavState(const std::filesystem::path& book);
std::optional<TCardDavStatus> ReadCardDavStatus(const std::filesystem::path& account);

// <cache>/nelvora/carddav; empty when the cache folder cannot be known.
std::filesystem::path CardDavCacheRoot(const TStoreEnvironment& environment);

// The status column of a cached book whose last sync failed: "stale, last synced 2026-05-01 10:00 (login failed)".
// Local time; "never" when it never synced.
std::string StaleText(std::int64_t syncedAt, const TFailure& failure);

} // namespace Stores
