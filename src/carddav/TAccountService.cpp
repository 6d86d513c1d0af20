#include "TAccountService.h"

#include "AccountSync.h"
#include "FailureTexts.h"
#include "TSyncScheduler.h"
#include "UrlPolicy.h"

#include <QCoreApplication>
#include <QPointer>
#include <QThread>

#include <memory>

namespace CardDav {

TAccountService::TAccountService(ISecretStore& secrets, TSyncScheduler& scheduler, QObject* parent)
    : QObject(parent), m_secrets(secrets), m_scheduler(scheduler)
{
}

std::vector<TAccount> TAccountService::Accounts() const
{
    std::string error;
    return LoadAccounts(AccountsFile(), error);
}

void TAccountService::Add(const QUrl& url, const QString& user, const QString& password,
                          std::function<void(const QString&)> done)
{
    const TAccount account{url.toString().toStdString(), user.toStdString()};
    if (const std::string refusal = AccountFieldRefusal(account.Url, account.User); !refusal.empty())
        return done(ShownFailure(QString::fromStdString(refusal)));
    if (const QString refusal = RefusalOf(url); !refusal.isEmpty())
        return done(ShownFailure(refusal));

    auto failure = std::make_shared<QString>();
    QThread* login = QThread::create([url, user, password, failure] {
        std::vector<TBookInfo> books;
        *failure = TestLogin(url, user, password, books);
    });
    QPointer<TAccountService> self(this);
    connect(login, &QThread::finished, this, [this, self, login, account, password, failure, done] {
        login->deleteLater();
        if (!failure->isEmpty())
            return done(ShownFailure(*failure));
        m_secrets.Write(QString::fromStdString(SecretKey(account)), password,
                        [this, self, account, done](const QString& error) {
                            if (!self)
                                return;
                            if (!error.isEmpty())
                                return done(error);
                            std::string problem;
                            std::vector<TAccount> accounts = LoadAccounts(AccountsFile(), problem);
                            if (std::find(accounts.begin(), accounts.end(), account) == accounts.end()) {
                                accounts.push_back(account);
                                problem = problem.empty() ? SaveAccounts(AccountsFile(), accounts) : problem;
                            }
                            if (!problem.empty())
                                return done(QString::fromStdString(problem));
                            m_scheduler.SyncNow();
                            done({});
                        });
    });
    login->start();
}

void TAccountService::Remove(const TAccount& account, std::function<void(const QString&)> done)
{
    std::string problem;
    std::vector<TAccount> accounts = LoadAccounts(AccountsFile(), problem);
    accounts.erase(std::remove(accounts.begin(), accounts.end(), account), accounts.end());
    if (problem.empty())
        problem = SaveAccounts(AccountsFile(), accounts);
    if (!problem.empty())
        return done(QString::fromStdString(problem));
    m_secrets.Remove(QString::fromStdString(SecretKey(account)), [account, done](const QString& error) {
        const QString cache = RemoveAccountCache(account);
        done(error.isEmpty() ? cache : error);
    });
}

} // namespace CardDav
