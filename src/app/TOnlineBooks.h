#pragma once

#include "IOnlineBooks.h"
#include "TAccountService.h"
#include "TKeychainSecretStore.h"
#include "TSyncScheduler.h"

// The online address books over the real network and the desktop's keyring.
class TOnlineBooks final : public IOnlineBooks
{
public:
    TOnlineBooks();

    QWidget* MakePanel(QWidget* parent) override;
    void SyncNow() override { m_scheduler.SyncNow(); }
    void SetChangedHandler(std::function<void()> changed) override { m_changed = std::move(changed); }

private:
    void Changed() const
    {
        if (m_changed)
            m_changed();
    }

    CardDav::TKeychainSecretStore m_secrets;
    CardDav::TSyncScheduler m_scheduler;
    CardDav::TAccountService m_service;
    std::function<void()> m_changed;
};
