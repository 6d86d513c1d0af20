#pragma once

#include "IAccountService.h"

#include <QCoreApplication>
#include <QDialog>
#include <QUrl>

#include <functional>

class ILauncher;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

// Server address or e-mail address, user name and (app) password; or, where the server offers it, the log-in in the
// browser, which needs no password here. "Add" tests the login before anything is kept; the test runs while the
// dialog stays usable, with a busy bar and Cancel; a failure is said in the dialog itself, with no box and no second
// prompt.
class TAddAccountDialog final : public QDialog
{
    // Without it tr() would be QDialog's, whose context no translation has.
    Q_DECLARE_TR_FUNCTIONS(TAddAccountDialog)

public:
    // `service` and `launcher` must outlive the dialog; without a launcher there is no log-in in the browser.
    TAddAccountDialog(CardDav::IAccountService& service, QWidget* parent = nullptr, ILauncher* launcher = nullptr);
    ~TAddAccountDialog() override;

    // The account passed its login test and is kept.
    std::function<void()> OnAdded;

    // Esc and the window's close button also stop a login test that is still running.
    void reject() override;

private:
    void AddClicked();
    void BrowserClicked();
    void CancelClicked();
    void ServerEdited(const QString& text);
    void AskForBrowserLogin();
    void Answered(const QString& error);
    void SetBusy(bool busy);
    void FitTitle();
    static QUrl ServerUrl(const QString& typed);

    CardDav::IAccountService& m_service;
    ILauncher* m_launcher;
    QLineEdit* m_server;
    QLineEdit* m_user;
    QLineEdit* m_password;
    QLabel* m_status;
    QProgressBar* m_busy;
    QPushButton* m_add;
    QPushButton* m_browser;
    QPushButton* m_cancel;
    QString m_filledUser;   // the user name filled in from the e-mail address, while it is unchanged
    QUrl m_offeredServer;   // the server whose log-in in the browser was asked for or offered
    QUrl m_page;            // the page to open for it
    bool m_running = false; // a login test or a log-in in the browser is under way
};
