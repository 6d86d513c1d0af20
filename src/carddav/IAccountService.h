#pragma once

#include "AccountList.h"

#include <QString>
#include <QUrl>

#include <functional>
#include <vector>

namespace CardDav {

// What the Options page does with online address-book accounts. Answers come once, through `done`, on the thread
// that asked (the window's); an empty error means it worked. Nothing here blocks.
class IAccountService
{
public:
    virtual ~IAccountService() = default;

    virtual std::vector<TAccount> Accounts() const = 0;
    // Tests the login, and only when it works keeps the password in the Secret Service and the account in the
    // list, then syncs it. The error says what failed, in the user's language where it is the program's own text.
    virtual void Add(const QUrl& url, const QString& user, const QString& password,
                     std::function<void(const QString& error)> done) = 0;
    // Drops the account, its password and its cached books.
    virtual void Remove(const TAccount& account, std::function<void(const QString& error)> done) = 0;
};

} // namespace CardDav
