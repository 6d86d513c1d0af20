#include "TAddAccountDialog.h"

#include "UrlPolicy.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

TAddAccountDialog::TAddAccountDialog(CardDav::IAccountService& service, QWidget* parent)
    : QDialog(parent), m_service(service), m_server(new QLineEdit(this)), m_user(new QLineEdit(this)),
      m_password(new QLineEdit(this)), m_status(new QLabel(this))
{
    setObjectName(QStringLiteral("dlgAddAccount"));
    setWindowTitle(tr("Add an online address book"));
    m_server->setObjectName(QStringLiteral("edServer"));
    m_user->setObjectName(QStringLiteral("edUser"));
    m_password->setObjectName(QStringLiteral("edPassword"));
    m_status->setObjectName(QStringLiteral("lblStatus"));
    m_server->setPlaceholderText(QStringLiteral("dav.example.org"));
    m_password->setEchoMode(QLineEdit::Password);
    m_status->setWordWrap(true);

    auto* hint = new QLabel(tr("Most providers want an app password here: iCloud, Fastmail and Nextcloud make one in "
                               "their security settings. Google accounts go through GNOME Online Accounts or "
                               "Thunderbird instead."),
                            this);
    hint->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(this);
    m_add = buttons->addButton(tr("&Add"), QDialogButtonBox::AcceptRole);
    m_add->setObjectName(QStringLiteral("btnAdd"));
    m_add->setDefault(true);
    m_cancel = buttons->addButton(QDialogButtonBox::Cancel);
    connect(m_add, &QPushButton::clicked, this, &TAddAccountDialog::AddClicked);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* form = new QFormLayout;
    form->addRow(tr("&Server:"), m_server);
    form->addRow(tr("&User name:"), m_user);
    form->addRow(tr("&Password:"), m_password);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(hint);
    layout->addWidget(m_status);
    layout->addWidget(buttons);
}

void TAddAccountDialog::SetBusy(bool busy)
{
    for (QWidget* widget : {static_cast<QWidget*>(m_server), static_cast<QWidget*>(m_user),
                            static_cast<QWidget*>(m_password), static_cast<QWidget*>(m_add)})
        widget->setEnabled(!busy);
}

void TAddAccountDialog::AddClicked()
{
    if (m_server->text().trimmed().isEmpty() || m_user->text().trimmed().isEmpty() || m_password->text().isEmpty()) {
        m_status->setText(tr("Fill in the server, the user name and the password."));
        return;
    }
    const CardDav::TServerAddress server = CardDav::NormalisedServerUrl(m_server->text());
    if (server.Problem != CardDav::TAddressProblem::None) {
        m_status->setText(tr("Not added: %1").arg(CardDav::AddressProblemText(server.Problem)));
        m_server->setFocus();
        return;
    }
    const QUrl url = server.Url;
    SetBusy(true);
    m_status->setText(tr("Logging in…"));
    QPointer<TAddAccountDialog> self(this);
    m_service.Add(url, m_user->text().trimmed(), m_password->text(), [this, self](const QString& error) {
        if (!self)
            return;
        SetBusy(false);
        if (!error.isEmpty()) {
            m_status->setText(tr("Not added: %1").arg(error));
            m_password->setFocus();
            return;
        }
        // The password now lives in the keyring only.
        m_password->clear();
        if (OnAdded)
            OnAdded();
        accept();
    });
}
