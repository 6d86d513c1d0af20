#include "TAccountService.h"

#include "AccountSync.h"
#include "FailureTexts.h"
#include "TLoginFlow.h"
#include "TServiceDiscovery.h"
#include "TSyncScheduler.h"
#include "UrlPolicy.h"

#include <QCoreApplication>
#include <QPointer>
#include <QThread>

#include <algorithm>
#include <memory>

namespace CardDav {

TAccountService::TAccountService(ISecretStore& secrets, TSyncScheduler& scheduler, QObject* parent)
    : QObject(parent), m_secrets(secrets), m_scheduler(scheduler), m_resolver(std::make_unique<TQtDnsResolver>()),
      m_poster(std::make_unique<TQtFormPoster>()), m_flow(std::make_unique<TLoginFlow>(*m_poster))
{
}

TAccountService::~TAccountService() = default;

std::vector<TAccount> TAccountService::Accounts() const
{
    std::string error;
    return LoadAccounts(AccountsFile(), error);
}

void TAccountService::Add(const QUrl& url, const QString& user, const QString& password,
                          std::function<void(const QString&)> done)
{
    if (const std::string refusal = AccountFieldRefusal(url.toString().toStdString(), user.toStdString());
        !refusal.empty())
        return done(FailureText(TFailure::Local(refusal)));
    if (const TFailure refusal = RefusalOf(url))
        return done(FailureText(refusal));
    TestAndKeep({url}, user, password, std::move(done));
}

void TAccountService::AddByEmail(const QString& email, const QString& user, const QString& password,
                                 std::function<void(const QString&)> done)
{
    if (!IsEmailAddress(email))
        return done(FailureText(TSyncFailure::NotAServerAddress));
    if (const std::string refusal = AccountFieldRefusal("https://" + email.toStdString(), user.toStdString());
        !refusal.empty())
        return done(FailureText(TFailure::Local(refusal)));
    const int generation = m_generation;
    QPointer<TAccountService> self(this);
    FindServers(*m_resolver, email, [this, self, generation, user, password, done](std::vector<QUrl> candidates) {
        if (!self || generation != m_generation)
            return;
        // Only https goes out to a server the name service named.
        candidates.erase(std::remove_if(candidates.begin(), candidates.end(),
                                        [](const QUrl& url) { return url.scheme() != QLatin1String("https"); }),
                         candidates.end());
        if (candidates.empty())
            return done(FailureText(TSyncFailure::ServerNotFound));
        TestAndKeep(candidates, user, password, done, TSyncFailure::ServerNotFound);
    });
}

void TAccountService::OfferBrowserLogin(const QUrl& server, std::function<void(const QUrl&)> offered)
{
    m_flow->Offer(server, std::move(offered));
}

void TAccountService::CompleteBrowserLogin(std::function<void(const QString&)> done)
{
    const int generation = m_generation;
    QPointer<TAccountService> self(this);
    m_flow->Wait([this, self, generation, done](const TAppLogin& login, const QString& failure) {
        if (!self || generation != m_generation)
            return;
        if (!failure.isEmpty())
            return done(failure);
        Add(login.Server, login.LoginName, login.AppPassword, done);
    });
}

void TAccountService::Cancel()
{
    ++m_generation;
    m_flow->Cancel();
}

void TAccountService::TestAndKeep(const std::vector<QUrl>& candidates, const QString& user, const QString& password,
                                  std::function<void(const QString&)> done, TSyncFailure noneAnswered)
{
    struct TOutcome
    {
        TFailure Failure;
        QUrl Chosen;
        TDiscovery Found; // given to the first sync, which then need not discover again
    };
    auto outcome = std::make_shared<TOutcome>();
    QThread* login = QThread::create([candidates, user, password, outcome, noneAnswered] {
        std::vector<TBookInfo> books;
        outcome->Failure =
            TestLoginAtFirst(candidates, user, password, books, outcome->Chosen, &outcome->Found, noneAnswered);
    });
    const int generation = m_generation;
    QPointer<TAccountService> self(this);
    connect(login, &QThread::finished, this, [this, self, login, user, password, outcome, generation, done] {
        login->deleteLater();
        // Cancelled while the test ran: the password goes nowhere.
        if (generation != m_generation)
            return;
        if (outcome->Failure)
            return done(FailureText(outcome->Failure));
        const TAccount account{outcome->Chosen.toString().toStdString(), user.toStdString()};
        // An account added again keeps its place and gets the new password; only a new one is taken back below.
        const std::vector<TAccount> before = Accounts();
        const bool known = std::find(before.begin(), before.end(), account) != before.end();
        m_secrets.Write(QString::fromStdString(SecretKey(account)), password,
                        [this, self, account, known, generation, done, outcome](const QString& error) {
                            if (!self || generation != m_generation)
                                return;
                            if (!error.isEmpty())
                                return done(error);
                            bool listed = known;
                            const std::string problem =
                                UpdateAccounts(AccountsFile(), [&account, &listed](std::vector<TAccount>& accounts) {
                                    if (std::find(accounts.begin(), accounts.end(), account) != accounts.end()) {
                                        listed = true;
                                        return false;
                                    }
                                    accounts.push_back(account);
                                    return true;
                                });
                            if (!problem.empty()) {
                                const QString failure = QString::fromStdString(problem);
                                if (listed)
                                    return done(failure);
                                // Not in the list, so nothing would ever use or remove the password.
                                return m_secrets.Remove(QString::fromStdString(SecretKey(account)),
                                                        [failure, done](const QString&) { done(failure); });
                            }
                            m_scheduler.Found(account, std::move(outcome->Found));
                            m_scheduler.SyncNow();
                            done({});
                        });
    });
    login->start();
}

void TAccountService::Remove(const TAccount& account, std::function<void(const QString&)> done)
{
    const std::string problem = UpdateAccounts(AccountsFile(), [&account](std::vector<TAccount>& accounts) {
        const auto kept = std::remove(accounts.begin(), accounts.end(), account);
        if (kept == accounts.end())
            return false;
        accounts.erase(kept, accounts.end());
        return true;
    });
    if (!problem.empty())
        return done(QString::fromStdString(problem));
    m_secrets.Remove(QString::fromStdString(SecretKey(account)), [account, done](const QString& error) {
        const QString cache = RemoveAccountCache(account);
        done(error.isEmpty() ? cache : error);
    });
}

} // namespace CardDav
