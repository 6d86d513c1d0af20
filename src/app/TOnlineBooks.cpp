#include "TOnlineBooks.h"

#include "TAccountsPanel.h"

TOnlineBooks::TOnlineBooks(ILauncher& launcher) : m_launcher(launcher), m_scheduler(m_secrets), m_service(m_secrets, m_scheduler)
{
    // Only news counts: a sync that found nothing new leaves the list as it is.
    QObject::connect(&m_scheduler, &CardDav::TSyncScheduler::AccountSynced, &m_scheduler,
                     [this](const QString&, const QString&, bool changed) {
                         if (changed)
                             Changed();
                     });
}

QWidget* TOnlineBooks::MakePanel(QWidget* parent)
{
    auto* panel = new TAccountsPanel(m_service, parent, &m_launcher);
    panel->OnAccountsChanged = [this] { Changed(); };
    return panel;
}
