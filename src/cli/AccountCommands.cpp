#include "AccountCommands.h"

#include "AccountSync.h"
#include "TKeychainSecretStore.h"
#include "TranslateMarks.h"
#include "UrlPolicy.h"

#include <QCoreApplication>

#include <termios.h>
#include <unistd.h>

#include <cstdio>
#include <iostream>
#include <string>

using namespace CardDav;

namespace {

constexpr int ExitDone = 0;
constexpr int ExitError = 2;
// Another program's sync of the same cache (the window's, in the background) is worth waiting for.
constexpr std::chrono::seconds LockWait{60};

QString Tr(const char* text)
{
    return QCoreApplication::translate("nelvora-report", text);
}

void Say(const QString& text)
{
    std::fprintf(stderr, "nelvora-report: %s\n", text.toUtf8().constData());
}

// Overwrites a password's bytes before the memory goes back; what the toolkit copied is beyond reach.
void Wipe(std::string& secret)
{
    volatile char* bytes = secret.data();
    for (std::size_t i = 0; i < secret.size(); ++i)
        bytes[i] = 0;
    secret.clear();
}

// The password: typed at the terminal without echo, else the first line of standard input. Never an argument,
// which every user of the machine could read.
std::string ReadPassword(const std::string& user, const std::string& url)
{
    std::string password;
    if (::isatty(STDIN_FILENO)) {
        std::fprintf(stderr, "%s",
                     Tr(NELVORA_TRANSLATE_NOOP("nelvora-report", "Password for %1 at %2: "))
                         .arg(QString::fromStdString(user), QString::fromStdString(url))
                         .toUtf8()
                         .constData());
        std::fflush(stderr);
        termios old = {};
        const bool quiet = ::tcgetattr(STDIN_FILENO, &old) == 0;
        if (quiet) {
            termios silent = old;
            silent.c_lflag &= ~static_cast<tcflag_t>(ECHO);
            ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &silent);
        }
        std::getline(std::cin, password);
        if (quiet)
            ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &old);
        std::fputc('\n', stderr);
    } else {
        std::getline(std::cin, password);
    }
    if (!password.empty() && password.back() == '\r')
        password.pop_back();
    return password;
}

std::vector<TAccount> Accounts(bool& ok)
{
    std::string error;
    auto accounts = LoadAccounts(AccountsFile(), error);
    ok = error.empty();
    if (!ok)
        Say(QStringLiteral("%1: %2").arg(QString::fromStdString(AccountsFile().string()),
                                         QString::fromStdString(error)));
    return accounts;
}

int AddAccount(const std::string& url, const std::string& user)
{
    const auto cannot = [&url](const QString& why) {
        Say(Tr(NELVORA_TRANSLATE_NOOP("nelvora-report", "cannot add %1: %2")).arg(QString::fromStdString(url), why));
        return ExitError;
    };
    if (const std::string refusal = AccountFieldRefusal(url, user); !refusal.empty())
        return cannot(QString::fromStdString(refusal));
    // Refused before a password is even asked for, let alone sent.
    const QUrl address = QUrl::fromUserInput(QString::fromStdString(url));
    if (const QString refusal = RefusalOf(address); !refusal.isEmpty())
        return cannot(refusal);
    const TAccount account{address.toString().toStdString(), user};
    bool ok = false;
    std::vector<TAccount> accounts = Accounts(ok);
    if (!ok)
        return ExitError;

    std::string typed = ReadPassword(user, account.Url);
    const QString password = QString::fromStdString(typed);
    Wipe(typed);
    if (password.isEmpty())
        return cannot(Tr(NELVORA_TRANSLATE_NOOP("nelvora-report", "no password given")));

    std::vector<TBookInfo> books;
    TDiscovery discovered;
    if (const QString failure = TestLogin(address, QString::fromStdString(user), password, books, &discovered);
        !failure.isEmpty())
        return cannot(failure);
    TKeychainSecretStore keyring;
    if (const QString failure = WriteSecret(keyring, QString::fromStdString(SecretKey(account)), password);
        !failure.isEmpty())
        return cannot(failure);
    bool known = false;
    for (const TAccount& existing : accounts)
        known = known || existing == account;
    if (!known) {
        accounts.push_back(account);
        if (const std::string error = SaveAccounts(AccountsFile(), accounts); !error.empty())
            return cannot(QString::fromStdString(error));
    }

    // The login test found the books a moment ago: the first sync starts from them.
    TSyncControl control;
    control.Discovery = std::move(discovered);
    const TSyncResult synced = SyncAccount(account, password, LockWait, nullptr, nullptr, control);
    const int found = static_cast<int>(synced.Books.size());
    //: After --add-account: %1 is the server's address, %n the number of address books found there, listed below.
    std::printf("%s\n", QCoreApplication::translate("nelvora-report", "added %1, %n address books:", nullptr, found)
                            .arg(QString::fromStdString(account.Url))
                            .toUtf8()
                            .constData());
    for (const TBookInfo& book : synced.Books)
        std::printf("%s\t%s\n", book.Url.toString().toUtf8().constData(), book.Name.toUtf8().constData());
    if (!synced.Ok())
        Say(Tr(NELVORA_TRANSLATE_NOOP("nelvora-report", "the first sync of %1 failed: %2"))
                .arg(QString::fromStdString(account.Url), synced.FirstFailure()));
    return ExitDone;
}

int RemoveAccount(const std::string& url, const std::optional<std::string>& user)
{
    bool ok = false;
    std::vector<TAccount> accounts = Accounts(ok);
    if (!ok)
        return ExitError;
    const std::string normal = QUrl::fromUserInput(QString::fromStdString(url)).toString().toStdString();
    std::vector<TAccount> kept;
    std::vector<TAccount> removed;
    for (const TAccount& account : accounts)
        ((account.Url == url || account.Url == normal) && (!user || account.User == *user) ? removed : kept)
            .push_back(account);
    if (removed.empty()) {
        Say(Tr(NELVORA_TRANSLATE_NOOP("nelvora-report", "no account %1")).arg(QString::fromStdString(url)));
        return ExitError;
    }
    if (const std::string error = SaveAccounts(AccountsFile(), kept); !error.empty()) {
        Say(QString::fromStdString(error));
        return ExitError;
    }
    TKeychainSecretStore keyring;
    int status = ExitDone;
    for (const TAccount& account : removed) {
        if (const QString error = RemoveSecret(keyring, QString::fromStdString(SecretKey(account))); !error.isEmpty()) {
            Say(Tr(NELVORA_TRANSLATE_NOOP("nelvora-report", "the password of %1 stays in the keyring: %2"))
                    .arg(QString::fromStdString(account.Url), error));
            status = ExitError;
        }
        if (const QString error = RemoveAccountCache(account); !error.isEmpty()) {
            Say(error);
            status = ExitError;
        }
    }
    return status;
}

} // namespace

int RunAccountCommand(const TAccountArguments& arguments)
{
    if (arguments.Add)
        return AddAccount(*arguments.Add, *arguments.User);
    if (arguments.Remove)
        return RemoveAccount(*arguments.Remove, arguments.User);
    bool ok = false;
    for (const TAccount& account : Accounts(ok))
        std::printf("%s\t%s\n", account.Url.c_str(), account.User.c_str());
    return ok ? ExitDone : ExitError;
}

void SyncAccounts()
{
    bool ok = false;
    const std::vector<TAccount> accounts = Accounts(ok);
    if (accounts.empty())
        return;
    TKeychainSecretStore keyring;
    for (const TAccount& account : accounts) {
        QString password;
        QString failure = ReadSecret(keyring, QString::fromStdString(SecretKey(account)), password);
        if (failure.isEmpty()) {
            const TSyncResult result = SyncAccount(account, password, LockWait);
            failure = result.FirstFailure();
        } else {
            RecordAccountFailure(account, failure);
        }
        if (!failure.isEmpty())
            Say(Tr(NELVORA_TRANSLATE_NOOP("nelvora-report", "sync of %1 failed: %2"))
                    .arg(QString::fromStdString(account.Url), failure));
    }
}
