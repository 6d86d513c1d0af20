#pragma once

#include "IOnlineBooks.h"
#include "StoreList.h"

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

// What the "Address books" page shows, without the toolkit: one row per store the last check found, its state, the
// user's choice of stores left out, and the progress of a running sync of the online books. The page turns the
// states into words in the user's language.
class TAddressBooksModel
{
public:
    enum class TState {
        Read,       // read at the last check
        LeftOut,    // the user left it out
        Unreadable, // could not be read; Reason says why
        Synced,     // an online book whose last sync went well; When says when, if known
        Syncing,    // an online book of the account being synced now
        Stale,      // an online book read from a cache its last sync could not renew; When and Reason
    };

    struct TRow
    {
        std::string Kind;
        std::string Name; // folder, profile or server URL: what the store list names it by, and what is left out
        std::size_t Contacts = 0;
        bool Counted = false; // Contacts is a count of cards read
        bool Online = false;
        bool LeftOut = false; // the user's choice, which the next check follows
        TState State = TState::Read;
        std::string When;   // a local time, "YYYY-MM-DD HH:MM", or "never"
        std::string Reason; // data text, as `nelvora-report --sources` shows it
    };

    using TBookSync = TOnlineBook;
    using TProgress = TOnlineProgress;

    // The stores of the last check, in reading order.
    void SetStores(const std::vector<TStoreInfo>& stores);
    // The online books' last syncs by book URL.
    void SetBooks(std::map<std::string, TBookSync> books);
    // The saved choice, as loaded at start.
    void SetExcluded(const std::vector<std::string>& paths);
    // The progress of the sync; rows of the account being synced say "syncing…" until it is done.
    void SetProgress(const TProgress& progress);

    const std::vector<TRow>& Rows() const { return m_rows; }
    const TProgress& Progress() const { return m_progress; }
    // The stores left out, sorted.
    std::vector<std::string> Excluded() const { return {m_excluded.begin(), m_excluded.end()}; }

    // Leaves a store out or takes it back, and keeps the choice in `fileName` at once (SaveExcludedChoice's rules).
    // Throws TExError when the file cannot be written; the choice then stays as it was.
    void SetLeftOut(const std::string& name, bool leftOut, const std::string& fileName);

    // "<n> of <m>" for a known total, clamped; the fraction 0 to 1000, or -1 while the total is unknown.
    static int Permille(const TProgress& progress);

    // The parts of a stale store's status, "stale, last synced <when> (<why>)".
    static void SplitStale(const std::string& status, std::string& when, std::string& reason);

private:
    void Build();

    std::vector<TStoreInfo> m_stores;
    std::map<std::string, TBookSync> m_books;
    std::set<std::string> m_excluded;
    TProgress m_progress;
    std::vector<TRow> m_rows;
};
