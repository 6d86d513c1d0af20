#pragma once

#include "IAccountService.h"

#include <QCoreApplication>
#include <QGroupBox>

#include <functional>

class ILauncher;
class QLabel;
class QListWidget;
class QPushButton;

// "Online address books" on the Options page: the accounts, Add… and Remove. Knows nothing of the network or the
// keyring: everything goes through the account service, and nothing waits for it. The books of an account appear
// with the other stores once synced, where they can be left out like any other.
class TAccountsPanel final : public QGroupBox
{
    // Without it tr() would be QGroupBox's, whose context no translation has.
    Q_DECLARE_TR_FUNCTIONS(TAccountsPanel)

public:
    // `service` and `launcher` must outlive the panel; the launcher opens the browser for a log-in there.
    TAccountsPanel(CardDav::IAccountService& service, QWidget* parent = nullptr, ILauncher* launcher = nullptr);

    // Lists the accounts afresh.
    void Refresh();

    // An account was added or removed: the store list changes once its sync is done.
    std::function<void()> OnAccountsChanged;

private:
    void AddClicked();
    void RemoveClicked();

    CardDav::IAccountService& m_service;
    ILauncher* m_launcher;
    QListWidget* m_list;
    QPushButton* m_add;
    QPushButton* m_remove;
    QLabel* m_status;
};
