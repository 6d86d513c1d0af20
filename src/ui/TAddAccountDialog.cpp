#include "TAddAccountDialog.h"

#include "EmailAddress.h"
#include "ILauncher.h"
#include "UrlPolicy.h"

#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

TAddAccountDialog::TAddAccountDialog(CardDav::IAccountService& service, QWidget* parent, ILauncher* launcher)
    : QDialog(parent), m_service(service), m_launcher(launcher), m_server(new QLineEdit(this)),
      m_user(new QLineEdit(this)), m_password(new QLineEdit(this)), m_status(new QLabel(this)),
      m_busy(new QProgressBar(this))
{
    setObjectName(QStringLiteral("dlgAddAccount"));
    setWindowTitle(tr("Add an online address book"));
    m_server->setObjectName(QStringLiteral("edServer"));
    m_user->setObjectName(QStringLiteral("edUser"));
    m_password->setObjectName(QStringLiteral("edPassword"));
    m_status->setObjectName(QStringLiteral("lblStatus"));
    m_busy->setObjectName(QStringLiteral("barBusy"));
    m_server->setPlaceholderText(QStringLiteral("dav.example.org, alice@example.org"));
    m_password->setEchoMode(QLineEdit::Password);
    m_status->setWordWrap(true);
    // Moving without an end: how long a login test takes is not known.
    m_busy->setRange(0, 0);
    m_busy->setTextVisible(false);
    m_busy->setAccessibleName(tr("Logging in"));
    m_busy->hide();

    auto* hint = new QLabel(tr("Most providers want an app password here: iCloud, Fastmail and Nextcloud make one in "
                               "their security settings. Google accounts go through GNOME Online Accounts or "
                               "Thunderbird instead."),
                            this);
    hint->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(this);
    m_browser = buttons->addButton(tr("Log in with the browser"), QDialogButtonBox::ActionRole);
    m_browser->setObjectName(QStringLiteral("btnBrowserLogin"));
    m_browser->hide();
    m_add = buttons->addButton(tr("&Add"), QDialogButtonBox::AcceptRole);
    m_add->setObjectName(QStringLiteral("btnAdd"));
    m_add->setDefault(true);
    m_cancel = buttons->addButton(QDialogButtonBox::Cancel);
    m_cancel->setObjectName(QStringLiteral("btnCancel"));
    connect(m_add, &QPushButton::clicked, this, &TAddAccountDialog::AddClicked);
    connect(m_browser, &QPushButton::clicked, this, &TAddAccountDialog::BrowserClicked);
    connect(m_cancel, &QPushButton::clicked, this, &TAddAccountDialog::CancelClicked);
    connect(m_server, &QLineEdit::textEdited, this, &TAddAccountDialog::ServerEdited);
    connect(m_server, &QLineEdit::editingFinished, this, &TAddAccountDialog::AskForBrowserLogin);

    auto* form = new QFormLayout;
    form->addRow(tr("&Server or e-mail address:"), m_server);
    form->addRow(tr("&User name:"), m_user);
    form->addRow(tr("&Password:"), m_password);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(hint);
    layout->addWidget(m_status);
    layout->addWidget(m_busy);
    layout->addWidget(buttons);
    FitTitle();
}

TAddAccountDialog::~TAddAccountDialog()
{
    if (m_running)
        m_service.Cancel();
}

QUrl TAddAccountDialog::ServerUrl(const QString& typed)
{
    // The address as the account would keep it; empty when it would be refused.
    return CardDav::NormalisedServerUrl(typed).Url;
}

void TAddAccountDialog::FitTitle()
{
    // The title bar shows the title in bold, centred between the window's buttons: up to three of them, each about
    // two lines high and wide, on one side, and the same room kept free on the other.
    QFont titleFont = font();
    titleFont.setBold(true);
    const int title = QFontMetrics(titleFont).horizontalAdvance(windowTitle()) + 12 * fontMetrics().height();
    setMinimumWidth(std::max(title, minimumSizeHint().width()));
}

void TAddAccountDialog::ServerEdited(const QString& text)
{
    // An e-mail address is the user name of most providers; a name the user changed stays theirs.
    const bool email = CardDav::IsEmailAddress(text);
    if (m_user->text() == m_filledUser) {
        m_filledUser = email ? text.trimmed() : QString();
        m_user->setText(m_filledUser);
    }
    if (ServerUrl(text) != m_offeredServer) {
        m_browser->hide();
        m_page.clear();
    }
}

void TAddAccountDialog::AskForBrowserLogin()
{
    const QString text = m_server->text();
    const QUrl url = ServerUrl(text);
    if (m_launcher == nullptr || m_running || CardDav::IsEmailAddress(text) || !url.isValid() ||
        url.host().isEmpty() || url == m_offeredServer)
        return;
    m_offeredServer = url;
    QPointer<TAddAccountDialog> self(this);
    m_service.OfferBrowserLogin(url, [this, self, url](const QUrl& page) {
        if (!self || url != m_offeredServer || m_running)
            return;
        m_page = page;
        m_browser->setVisible(!page.isEmpty());
        m_browser->setEnabled(!page.isEmpty());
    });
}

void TAddAccountDialog::SetBusy(bool busy)
{
    m_running = busy;
    for (QWidget* widget : {static_cast<QWidget*>(m_server), static_cast<QWidget*>(m_user),
                            static_cast<QWidget*>(m_password), static_cast<QWidget*>(m_add),
                            static_cast<QWidget*>(m_browser)})
        widget->setEnabled(!busy);
    m_busy->setVisible(busy);
}

void TAddAccountDialog::AddClicked()
{
    const QString typed = m_server->text().trimmed();
    const bool email = CardDav::IsEmailAddress(typed);
    if (typed.isEmpty() || m_user->text().trimmed().isEmpty() || m_password->text().isEmpty()) {
        m_status->setText(m_page.isEmpty()
                              ? tr("Fill in the server, the user name and the password.")
                              : tr("Fill in the user name and the password, or log in with the browser."));
        return;
    }
    QUrl url;
    if (!email) {
        const CardDav::TServerAddress server = CardDav::NormalisedServerUrl(typed);
        if (server.Problem != CardDav::TSyncFailure::None) {
            m_status->setText(tr("Not added: %1").arg(CardDav::FailureText(server.Problem)));
            m_server->setFocus();
            return;
        }
        url = server.Url;
    }
    SetBusy(true);
    m_status->setText(email ? tr("Looking for the server of %1…").arg(typed) : tr("Logging in…"));
    QPointer<TAddAccountDialog> self(this);
    auto answered = [this, self](const QString& error) {
        if (self)
            Answered(error);
    };
    if (email)
        m_service.AddByEmail(typed, m_user->text().trimmed(), m_password->text(), answered);
    else
        m_service.Add(url, m_user->text().trimmed(), m_password->text(), answered);
}

void TAddAccountDialog::BrowserClicked()
{
    if (m_page.isEmpty() || m_launcher == nullptr)
        return;
    const QUrl page = m_page;
    QPointer<TAddAccountDialog> self(this);
    m_launcher->OpenUrl(page.toString(), [this, self, page] {
        if (self && m_running)
            m_status->setText(tr("No browser could be opened. Open this address in one: %1")
                                  .arg(page.toString(QUrl::FullyEncoded)));
    });
    SetBusy(true);
    m_status->setText(tr("Log in and grant the access in the browser; this dialog waits for it."));
    m_service.CompleteBrowserLogin([this, self](const QString& error) {
        if (self)
            Answered(error);
    });
}

void TAddAccountDialog::Answered(const QString& error)
{
    SetBusy(false);
    if (!error.isEmpty()) {
        m_status->setText(tr("Not added: %1").arg(error));
        // A flow is used once: the server is asked again for the next try.
        m_offeredServer.clear();
        m_page.clear();
        m_browser->hide();
        m_password->setFocus();
        AskForBrowserLogin();
        return;
    }
    // The password now lives in the keyring only.
    m_password->clear();
    if (OnAdded)
        OnAdded();
    accept();
}

void TAddAccountDialog::CancelClicked()
{
    if (!m_running)
        return reject();
    m_service.Cancel();
    SetBusy(false);
    m_offeredServer.clear();
    m_page.clear();
    m_browser->hide();
    m_status->setText(tr("Cancelled: nothing was added."));
    AskForBrowserLogin();
}

void TAddAccountDialog::reject()
{
    if (m_running) {
        m_service.Cancel();
        SetBusy(false);
    }
    QDialog::reject();
}
