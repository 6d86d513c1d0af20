#pragma once

#include "IAccountService.h"

#include <QDialog>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

// Server address, user name and (app) password. "Add" tests the login before anything is kept; a failure is said
// in the dialog itself, with no box and no second prompt.
class TAddAccountDialog final : public QDialog
{
public:
    // `service` must outlive the dialog.
    TAddAccountDialog(CardDav::IAccountService& service, QWidget* parent = nullptr);

    // The account passed its login test and is kept.
    std::function<void()> OnAdded;

private:
    void AddClicked();
    void SetBusy(bool busy);

    CardDav::IAccountService& m_service;
    QLineEdit* m_server;
    QLineEdit* m_user;
    QLineEdit* m_password;
    QLabel* m_status;
    QPushButton* m_add;
    QPushButton* m_cancel;
};
