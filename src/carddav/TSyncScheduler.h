#pragma once

#include "AccountList.h"
#include "AccountSync.h"
#include "ISecretStore.h"
#include "TSyncEngine.h"

#include <QDateTime>
#include <QObject>
#include <QTimer>

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
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
    // The password, or why the keyring gave none; `control` carries the scheduler's cancellation and progress.
    using TSync = std::function<TSyncResult(const TAccount& account, const QString& password,
                                            const QString& keyringError, const TSyncControl& control)>;
    using TAccounts = std::function<std::vector<TAccount>()>;
    using TClock = std::function<QDateTime()>;

    // `sync` runs on the worker thread (by default the real sync with a 30 s limit a request); `accounts` and the
    // keyring are asked on the window's thread. `secrets` must outlive this object.
    TSyncScheduler(ISecretStore& secrets, TAccounts accounts = {}, TSync sync = {}, TClock clock = {},
                   QObject* parent = nullptr);
    // Cancels a running sync (the request in flight is aborted, the books stay as they were) and waits for it about
    // two seconds at most; a sync that does not stop by then is left to end on its own.
    ~TSyncScheduler() override;

    // Starts a sync of every account not in its pause. While one runs, one more follows it once it is done.
    void SyncNow();
    // What the login test of an account just added found: that account's next sync starts from it instead of
    // discovering again.
    void Found(const TAccount& account, TDiscovery found);
    bool IsRunning() const { return m_running; }

signals:
    // One account was synced (or failed): `changed` when its cache got new content or a new state, so the window
    // reads the cache again and refreshes its list. `failure` in the status file's words, empty when it worked.
    void AccountSynced(const QString& url, const QString& failure, bool changed);
    // The last account of a run is done.
    void Finished();
    // While an account syncs: `book` is the address of the book whose cards arrive, `done` of `total` cards fetched
    // so far (`total` is -1 until the book's listing is in). Emitted on the scheduler's thread, from the sync's
    // thread through a queued call; a book that has not changed reports nothing.
    void Progress(const QString& account, const QString& book, int done, int total);

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
    std::map<std::string, TFailure> m_lastFailure;
    std::map<std::string, TDiscovery> m_found; // by SecretKey, until the account's next sync
    // Shared with the sync's thread, which may outlive this object: the flag, and the way back to it.
    struct TRelay
    {
        std::mutex Lock;
        TSyncScheduler* Owner = nullptr;
    };
    std::shared_ptr<std::atomic<bool>> m_cancel = std::make_shared<std::atomic<bool>>(false);
    std::shared_ptr<TRelay> m_relay = std::make_shared<TRelay>();
    bool m_running = false;
    bool m_again = false;
    QThread* m_worker = nullptr;
    QTimer m_retry;
};

} // namespace CardDav
