#pragma once

#include <functional>

class QWidget;

// The user's online address books, seen from the window: their panel on the Options page and a background sync.
// The window never waits for a sync; a check reads the cache as it is.
class IOnlineBooks
{
public:
    virtual ~IOnlineBooks() = default;
    // The "Online address books" panel, owned by `parent`.
    virtual QWidget* MakePanel(QWidget* parent) = 0;
    // Starts a sync of every account in the background, unless one is running.
    virtual void SyncNow() = 0;
    // Called on the window's thread when a book's cache has changed (a sync brought news, an account came or
    // went), so that the list is read again.
    virtual void SetChangedHandler(std::function<void()> changed) = 0;
};
