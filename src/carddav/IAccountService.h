#pragma once

#include "AccountList.h"
#include "FailureTexts.h"

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
    // The same for an e-mail address: the server is looked up in the name service of its domain first, and the
    // account is kept at the first address found there whose login works.
    virtual void AddByEmail(const QString& email, const QString& user, const QString& password,
                            std::function<void(const QString& error)> done)
    {
        (void)email;
        (void)user;
        (void)password;
        done(FailureText(TSyncFailure::ServerNotFound));
    }
    // The log-in in the browser: asks the server whether it offers one; `offered` gets the page to open, or an empty
    // address. Then CompleteBrowserLogin() waits for the user to grant it there and adds the account with the app
    // password the server hands out; `done` as for Add().
    virtual void OfferBrowserLogin(const QUrl& server, std::function<void(const QUrl& page)> offered)
    {
        (void)server;
        offered({});
    }
    virtual void CompleteBrowserLogin(std::function<void(const QString& error)> done)
    {
        done(QStringLiteral("the server offers no log-in in the browser"));
    }
    // Stops a login test or a log-in in the browser that is still running: nothing of it is kept, nothing answers.
    virtual void Cancel() {}
    // Drops the account, its password and its cached books.
    virtual void Remove(const TAccount& account, std::function<void(const QString& error)> done) = 0;
};

} // namespace CardDav
