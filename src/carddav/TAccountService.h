#pragma once

#include "IAccountService.h"
#include "ISecretStore.h"

#include <QObject>

#include <memory>

namespace CardDav {

class TLoginFlow;
class TQtDnsResolver;
class TQtFormPoster;
class TSyncScheduler;

// The accounts over the real network, keyring and files: the login test runs on a worker thread, the name service,
// the log-in in the browser and the keyring answer through the event loop, the window never waits.
class TAccountService final : public QObject, public IAccountService
{
public:
    // `secrets` and `scheduler` must outlive this object; the scheduler syncs a new account at once.
    TAccountService(ISecretStore& secrets, TSyncScheduler& scheduler, QObject* parent = nullptr);
    ~TAccountService() override;

    std::vector<TAccount> Accounts() const override;
    void Add(const QUrl& url, const QString& user, const QString& password,
             std::function<void(const QString&)> done) override;
    void AddByEmail(const QString& email, const QString& user, const QString& password,
                    std::function<void(const QString&)> done) override;
    void OfferBrowserLogin(const QUrl& server, std::function<void(const QUrl&)> offered) override;
    void CompleteBrowserLogin(std::function<void(const QString&)> done) override;
    void Cancel() override;
    void Remove(const TAccount& account, std::function<void(const QString&)> done) override;

private:
    // Tests the login at each address in turn and keeps the first that works.
    void TestAndKeep(const std::vector<QUrl>& candidates, const QString& user, const QString& password,
                     std::function<void(const QString&)> done,
                     TSyncFailure noneAnswered = TSyncFailure::ServerNotReachable);

    ISecretStore& m_secrets;
    TSyncScheduler& m_scheduler;
    std::unique_ptr<TQtDnsResolver> m_resolver;
    std::unique_ptr<TQtFormPoster> m_poster;
    std::unique_ptr<TLoginFlow> m_flow;
    // Raised by Cancel(): work started before answers nobody and keeps nothing.
    int m_generation = 0;
};

} // namespace CardDav
