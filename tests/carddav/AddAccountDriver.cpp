// The Add dialog of the window, driven like a user would, over the real network, keyring and files: for the end
// to end test of the log-in by e-mail address and in the browser. The browser is whatever xdg-open is on PATH.
//   add-account-driver --server TEXT [--user NAME] (--password-stdin | --browser)
// Prints what the dialog said and each account's sync; exit 0 once the account is added and the sync that follows
// ended, 1 when not.
#include "TAccountService.h"
#include "TAddAccountDialog.h"
#include "TKeychainSecretStore.h"
#include "TQtLauncher.h"
#include "TSyncScheduler.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include <cstdio>
#include <functional>
#include <iostream>
#include <string>

namespace {

bool RunUntil(const std::function<bool()>& condition, int seconds)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition() && timer.elapsed() < seconds * 1000)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    return condition();
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QString server;
    QString user;
    bool browser = false;
    bool passwordIn = false;
    const QStringList arguments = QApplication::arguments();
    for (int i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--server") && i + 1 < arguments.size())
            server = arguments[++i];
        else if (arguments[i] == QLatin1String("--user") && i + 1 < arguments.size())
            user = arguments[++i];
        else if (arguments[i] == QLatin1String("--browser"))
            browser = true;
        else if (arguments[i] == QLatin1String("--password-stdin"))
            passwordIn = true;
    }

    CardDav::TKeychainSecretStore secrets;
    CardDav::TSyncScheduler scheduler(secrets);
    CardDav::TAccountService service(secrets, scheduler);
    TQtLauncher launcher;
    bool synced = false;
    QObject::connect(&scheduler, &CardDav::TSyncScheduler::AccountSynced, &scheduler,
                     [](const QString& url, const QString& failure, bool) {
                         std::printf("synced %s: %s\n", url.toUtf8().constData(),
                                     failure.isEmpty() ? "ok" : failure.toUtf8().constData());
                     });
    // The sync that follows an added account, of every account.
    QObject::connect(&scheduler, &CardDav::TSyncScheduler::Finished, &scheduler, [&synced] { synced = true; });

    auto* dialog = new TAddAccountDialog(service, nullptr, &launcher);
    bool added = false;
    dialog->OnAdded = [&added] { added = true; };
    dialog->show();
    auto* serverEdit = dialog->findChild<QLineEdit*>(QStringLiteral("edServer"));
    auto* userEdit = dialog->findChild<QLineEdit*>(QStringLiteral("edUser"));
    auto* status = dialog->findChild<QLabel*>(QStringLiteral("lblStatus"));
    auto* busy = dialog->findChild<QProgressBar*>(QStringLiteral("barBusy"));
    serverEdit->setFocus();
    serverEdit->setText(server);
    emit serverEdit->textEdited(server);
    std::printf("user name filled in: %s\n", userEdit->text().toUtf8().constData());
    if (!user.isEmpty())
        userEdit->setText(user);
    if (passwordIn) {
        std::string password;
        std::getline(std::cin, password);
        dialog->findChild<QLineEdit*>(QStringLiteral("edPassword"))->setText(QString::fromStdString(password));
    }
    if (browser) {
        emit serverEdit->editingFinished();
        auto* button = dialog->findChild<QPushButton*>(QStringLiteral("btnBrowserLogin"));
        if (!RunUntil([button] { return button->isVisible(); }, 20)) {
            std::printf("no log-in in the browser offered\n");
            return 1;
        }
        button->click();
    } else {
        dialog->findChild<QPushButton*>(QStringLiteral("btnAdd"))->click();
    }
    bool sawBusy = busy->isVisible();
    // The window goes on while the login is tested: its event loop turns here all the time.
    const bool ended = RunUntil(
        [&] {
            sawBusy = sawBusy || busy->isVisible();
            return added || status->text().startsWith(QLatin1String("Not added"));
        },
        90);
    std::printf("busy shown: %s\n", sawBusy ? "yes" : "no");
    std::printf("dialog: %s\n", added ? "added" : status->text().toUtf8().constData());
    if (!ended || !added)
        return 1;
    RunUntil([&synced] { return synced; }, 60);
    return synced ? 0 : 1;
}
