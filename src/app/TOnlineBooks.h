#pragma once

#include "ILauncher.h"
#include "IOnlineBooks.h"
#include "TAccountService.h"
#include "TKeychainSecretStore.h"
#include "TSyncScheduler.h"

// The online address books over the real network and the desktop's keyring.
class TOnlineBooks final : public IOnlineBooks
{
public:
    // `launcher` must outlive this object: it opens the browser for a log-in there.
    explicit TOnlineBooks(ILauncher& launcher);

    QWidget* MakePanel(QWidget* parent) override;
    void SyncNow() override;
    void SetChangedHandler(std::function<void()> changed) override { m_changed = std::move(changed); }
    void SetProgressHandler(std::function<void(const TOnlineProgress&)> progress) override
    {
        m_progressHandler = std::move(progress);
    }
    std::map<std::string, TOnlineBook> Books() const override;

    // The sync's own count for one account, on the window's thread: `total` -1 while unknown.
    void Report(const std::string& account, std::int64_t done, std::int64_t total);

private:
    void Changed() const
    {
        if (m_changed)
            m_changed();
    }
    // Tells the window when a run of the scheduler starts or ends.
    void FollowScheduler();
    void Tell() const
    {
        if (m_progressHandler)
            m_progressHandler(m_progress);
    }

    ILauncher& m_launcher;
    CardDav::TKeychainSecretStore m_secrets;
    CardDav::TSyncScheduler m_scheduler;
    CardDav::TAccountService m_service;
    std::function<void()> m_changed;
    std::function<void(const TOnlineProgress&)> m_progressHandler;
    TOnlineProgress m_progress;
};
