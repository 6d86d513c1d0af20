#include "TAccountsPanel.h"

#include "TAddAccountDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

TAccountsPanel::TAccountsPanel(CardDav::IAccountService& service, QWidget* parent, ILauncher* launcher)
    : QGroupBox(tr("Online address books"), parent), m_service(service), m_launcher(launcher), m_list(new QListWidget(this)),
      m_add(new QPushButton(tr("Add…"), this)), m_remove(new QPushButton(tr("Remove"), this)),
      m_status(new QLabel(this))
{
    setObjectName(QStringLiteral("grpOnlineBooks"));
    m_list->setObjectName(QStringLiteral("lstAccounts"));
    m_add->setObjectName(QStringLiteral("btnAddAccount"));
    m_remove->setObjectName(QStringLiteral("btnRemoveAccount"));
    m_status->setObjectName(QStringLiteral("lblAccountsStatus"));
    m_status->setWordWrap(true);
    m_list->setAccessibleName(tr("Online address book accounts"));

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_add);
    buttons->addWidget(m_remove);
    buttons->addStretch();
    auto* row = new QHBoxLayout;
    row->addWidget(m_list, 1);
    row->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(m_status);

    connect(m_add, &QPushButton::clicked, this, &TAccountsPanel::AddClicked);
    connect(m_remove, &QPushButton::clicked, this, &TAccountsPanel::RemoveClicked);
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) { m_remove->setEnabled(row >= 0); });
    Refresh();
}

void TAccountsPanel::Refresh()
{
    m_list->clear();
    for (const CardDav::TAccount& account : m_service.Accounts()) {
        auto* item = new QListWidgetItem(
            QStringLiteral("%1 (%2)").arg(QString::fromStdString(account.Url), QString::fromStdString(account.User)),
            m_list);
        item->setData(Qt::UserRole, QString::fromStdString(account.Url));
        item->setData(Qt::UserRole + 1, QString::fromStdString(account.User));
    }
    m_remove->setEnabled(m_list->currentRow() >= 0);
}

void TAccountsPanel::AddClicked()
{
    auto* dialog = new TAddAccountDialog(m_service, this, m_launcher);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->OnAdded = [this] {
        m_status->clear();
        Refresh();
        if (OnAccountsChanged)
            OnAccountsChanged();
    };
    // Window-modal, not a nested loop: the tray and the check go on while the user types.
    dialog->open();
}

void TAccountsPanel::RemoveClicked()
{
    const QListWidgetItem* item = m_list->currentItem();
    if (!item)
        return;
    const CardDav::TAccount account{item->data(Qt::UserRole).toString().toStdString(),
                                    item->data(Qt::UserRole + 1).toString().toStdString()};
    m_remove->setEnabled(false);
    QPointer<TAccountsPanel> self(this);
    m_service.Remove(account, [this, self](const QString& error) {
        if (!self)
            return;
        m_status->setText(error.isEmpty() ? QString() : tr("Could not remove everything: %1").arg(error));
        Refresh();
        if (OnAccountsChanged)
            OnAccountsChanged();
    });
}
