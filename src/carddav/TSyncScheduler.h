#pragma once

#include "AccountList.h"
#include "ISecretStore.h"
#include "TSyncEngine.h"

#include <QDateTime>
#include <QObject>
#include <QTimer>

#include <functional>
#include <map>
#include <vector>

namespace CardDav {

// The window's background sync of the online address books. The window asks for a sync at start and before each
// day's check (SyncNow); the sync runs on a worker thread, one account after the other, so the window, the tray and
// a check never wait for it: a check that cannot wait reads the cache as it is. An account whose sync failed is
// tried again after a pause that doubles with every failure in a row (2 minutes up to 6 hours); its cache stays in
// use meanwhile.
class TSyncScheduler final : public QObject
{
    Q_OBJECT

public:
    // The password, or why the keyring gave none.
    using TSync =
        std::function<TSyncResult(const TAccount& account, const QString& password, const QString& keyringError)>;
    using TAccounts = std::function<std::vector<TAccount>()>;
    using TClock = std::function<QDateTime()>;

    // `sync` runs on the worker thread (by default the real sync with a 30 s limit a request); `accounts` and the
    // keyring are asked on the window's thread. `secrets` must outlive this object.
    TSyncScheduler(ISecretStore& secrets, TAccounts accounts = {}, TSync sync = {}, TClock clock = {},
                   QObject* parent = nullptr);
    ~TSyncScheduler() override;

    // Starts a sync of every account not in its pause. While one runs, one more follows it once it is done.
    void SyncNow();
    bool IsRunning() const { return m_running; }

signals:
    // One account was synced (or failed): `changed` when its cache got new content or a new state, so the window
    // reads the cache again and refreshes its list.
    void AccountSynced(const QString& url, const QString& failure, bool changed);
    // The last account of a run is done.
    void Finished();

private:
    struct TPause
    {
        int Failures = 0;
        QDateTime Until;
    };

    void Next();
    void Done(const TAccount& account, const TSyncResult& result);
    void PlanRetry();

    ISecretStore& m_secrets;
    TAccounts m_accounts;
    TSync m_sync;
    TClock m_clock;
    std::vector<TAccount> m_queue;
    std::map<std::string, TPause> m_pauses; // by SecretKey
    std::map<std::string, QString> m_lastFailure;
    bool m_running = false;
    bool m_again = false;
    QThread* m_worker = nullptr;
    QTimer m_retry;
};

} // namespace CardDav
