#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>

class QWidget;

// A sync's report: the account being synced and its cards so far. Total is -1 while the count is unknown.
struct TOnlineProgress
{
    bool Running = false;
    std::string Account; // the account's URL; empty before the first account is named
    std::int64_t Done = 0;
    std::int64_t Total = -1;
};

// An online book as its cache last knew it.
struct TOnlineBook
{
    std::string AccountUrl;
    std::int64_t SyncedAt = 0; // seconds since 1970; 0: never
};

// The user's online address books, seen from the window: their accounts panel, a background sync and its progress.
// The window never waits for a sync; a check reads the cache as it is.
class IOnlineBooks
{
public:
    virtual ~IOnlineBooks() = default;
    // The "Online address books" panel (accounts, Add…, Remove), owned by `parent`.
    virtual QWidget* MakePanel(QWidget* parent) = 0;
    // Starts a sync of every account in the background, unless one is running.
    virtual void SyncNow() = 0;
    // Called on the window's thread when a book's cache has changed (a sync brought news, an account came or
    // went), so that the list is read again.
    virtual void SetChangedHandler(std::function<void()> changed) = 0;
    // Called on the window's thread as a sync starts, goes on and ends (Running false).
    virtual void SetProgressHandler(std::function<void(const TOnlineProgress&)> progress) = 0;
    // The cached books by book URL, as the cache has them now.
    virtual std::map<std::string, TOnlineBook> Books() const = 0;
};
