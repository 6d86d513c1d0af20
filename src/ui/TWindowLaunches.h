#pragma once

#include "IDialogs.h"
#include "ILauncher.h"
#include "StoreList.h"

#include <QString>

#include <functional>
#include <vector>

// What the window starts outside itself: the home page, the help page, the address-book program and a person's
// mail or phone address. Each launch that fails says so in the error box; none waits for what it started.
class TWindowLaunches final
{
public:
    // `guard` runs a failure box so that nothing it throws reaches the event loop.
    using TGuard = std::function<void(const std::function<void()>&)>;
    TWindowLaunches(ILauncher& launcher, IDialogs& dialogs, TGuard guard);

    void OpenHomePage(const QString& url);
    // `section`: an anchor of the page, or null for its top.
    void OpenHelpPage(const char* section);
    void OpenAddressBook(const std::vector<TStoreInfo>& stores);
    // What a failed mailto: or tel: launch calls.
    std::function<void()> AddressFailed();

private:
    std::function<void()> Sorry(QString text);

    ILauncher& m_launcher;
    IDialogs& m_dialogs;
    TGuard m_guard;
};
