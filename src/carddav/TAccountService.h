#pragma once

#include "IAccountService.h"
#include "ISecretStore.h"

#include <QObject>

namespace CardDav {

class TSyncScheduler;

// The accounts over the real network, keyring and files: the login test runs on a worker thread, the keyring's
// answers come through the event loop, the window never waits.
class TAccountService final : public QObject, public IAccountService
{
public:
    // `secrets` and `scheduler` must outlive this object; the scheduler syncs a new account at once.
    TAccountService(ISecretStore& secrets, TSyncScheduler& scheduler, QObject* parent = nullptr);

    std::vector<TAccount> Accounts() const override;
    void Add(const QUrl& url, const QString& user, const QString& password,
             std::function<void(const QString&)> done) override;
    void Remove(const TAccount& account, std::function<void(const QString&)> done) override;

private:
    ISecretStore& m_secrets;
    TSyncScheduler& m_scheduler;
};

} // namespace CardDav
