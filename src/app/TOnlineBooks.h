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
    void SyncNow() override { m_scheduler.SyncNow(); }
    void SetChangedHandler(std::function<void()> changed) override { m_changed = std::move(changed); }

private:
    void Changed() const
    {
        if (m_changed)
            m_changed();
    }

    ILauncher& m_launcher;
    CardDav::TKeychainSecretStore m_secrets;
    CardDav::TSyncScheduler m_scheduler;
    CardDav::TAccountService m_service;
    std::function<void()> m_changed;
};
