#include "AccountCommands.h"

#include "AccountSync.h"
#include "TKeychainSecretStore.h"
#include "TServiceDiscovery.h"
#include "TranslateMarks.h"
#include "UrlPolicy.h"

#include <QCoreApplication>

#include <termios.h>
#include <unistd.h>

#include <algorithm>
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
    // A password typed into the address is refused below and never repeated in a message.
    const auto cannot = [&url](const QString& why) {
        Say(Tr(NELVORA_TRANSLATE_NOOP("nelvora-report", "cannot add %1: %2"))
                .arg(ShownAddress(QString::fromStdString(url)), why));
        return ExitError;
    };
    if (const std::string refusal = AccountFieldRefusal(url, user); !refusal.empty())
        return cannot(QString::fromStdString(refusal));
    // For an e-mail address the name service of its domain names the servers to try, https only; else the address
    // is refused before a password is even asked for, let alone sent.
    std::vector<QUrl> candidates;
    TSyncFailure noneAnswered = TSyncFailure::ServerNotReachable;
    if (const QString typed = QString::fromStdString(url); IsEmailAddress(typed)) {
        for (const QUrl& found : FindServersWaiting(typed))
            if (found.scheme() == QLatin1String("https"))
                candidates.push_back(found);
        noneAnswered = TSyncFailure::ServerNotFound;
        if (candidates.empty())
            return cannot(FailureText(noneAnswered));
    } else {
        // Refused before a password is even asked for, let alone sent.
        const TServerAddress server = NormalisedServerUrl(typed);
        if (server.Problem != TSyncFailure::None)
            return cannot(FailureText(server.Problem));
        candidates.push_back(server.Url);
    }
    bool ok = false;
    std::vector<TAccount> accounts = Accounts(ok);
    if (!ok)
        return ExitError;

    std::string typed = ReadPassword(user, candidates.size() == 1 ? candidates.front().toString().toStdString() : url);
    const QString password = QString::fromStdString(typed);
    Wipe(typed);
    if (password.isEmpty())
        return cannot(Tr(NELVORA_TRANSLATE_NOOP("nelvora-report", "no password given")));

    std::vector<TBookInfo> books;
    QUrl chosen;
    TDiscovery discovered;
    if (const TFailure failure = TestLoginAtFirst(candidates, QString::fromStdString(user), password, books, chosen,
                                                  &discovered, noneAnswered))
        return cannot(FailureText(failure));
    const TAccount account{chosen.toString().toStdString(), user};
    // An account added again keeps its place and gets the new password; only a new one is taken back below.
    bool listed = std::find(accounts.begin(), accounts.end(), account) != accounts.end();
    TKeychainSecretStore keyring;
    const QString key = QString::fromStdString(SecretKey(account));
    if (const QString failure = WriteSecret(keyring, key, password); !failure.isEmpty())
        return cannot(failure);
    // Another --add-account or the window may change the list meanwhile: read, add and write are one locked step.
    if (const std::string error =
            UpdateAccounts(AccountsFile(),
                           [&account, &listed](std::vector<TAccount>& current) {
                               if (std::find(current.begin(), current.end(), account) != current.end()) {
                                   listed = true;
                                   return false;
                               }
                               current.push_back(account);
                               return true;
                           });
        !error.empty()) {
        // Not in the list, so nothing would ever use or remove the password.
        if (!listed)
            RemoveSecret(keyring, key);
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
                .arg(QString::fromStdString(account.Url), WordsOf(synced.FirstFailure())));
    return ExitDone;
}

int RemoveAccount(const std::string& url, const std::optional<std::string>& user)
{
    bool ok = false;
    Accounts(ok);
    if (!ok)
        return ExitError;
    // As --add-account keeps it, as older versions kept a bare host name, or as --accounts lists an address that an
    // older version kept with a password in it.
    const std::string normal = NormalisedServerUrl(QString::fromStdString(url)).Url.toString().toStdString();
    const std::string older = QUrl::fromUserInput(QString::fromStdString(url)).toString().toStdString();
    const auto named = [&](const TAccount& account) {
        return account.Url == url || account.Url == normal || account.Url == older ||
               ShownAddress(QString::fromStdString(account.Url)).toStdString() == url;
    };
    // The list as it is under the lock, not as it was read above: another program may have changed it since.
    std::vector<TAccount> removed;
    if (const std::string error = UpdateAccounts(
            AccountsFile(),
            [&](std::vector<TAccount>& current) {
                std::vector<TAccount> kept;
                for (const TAccount& account : current)
                    (named(account) && (!user || account.User == *user) ? removed : kept).push_back(account);
                current = std::move(kept);
                return !removed.empty();
            });
        !error.empty()) {
        Say(QString::fromStdString(error));
        return ExitError;
    }
    if (removed.empty()) {
        Say(Tr(NELVORA_TRANSLATE_NOOP("nelvora-report", "no account %1"))
                .arg(ShownAddress(QString::fromStdString(url))));
        return ExitError;
    }
    TKeychainSecretStore keyring;
    int status = ExitDone;
    for (const TAccount& account : removed) {
        if (const QString error = RemoveSecret(keyring, QString::fromStdString(SecretKey(account))); !error.isEmpty()) {
            Say(Tr(NELVORA_TRANSLATE_NOOP("nelvora-report", "the password of %1 stays in the keyring: %2"))
                    .arg(ShownAddress(QString::fromStdString(account.Url)), error));
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
        return AddAccount(*arguments.Add, arguments.User.value_or(*arguments.Add));
    if (arguments.Remove)
        return RemoveAccount(*arguments.Remove, arguments.User);
    bool ok = false;
    for (const TAccount& account : Accounts(ok))
        std::printf("%s\t%s\n", ShownAddress(QString::fromStdString(account.Url)).toUtf8().constData(),
                    account.User.c_str());
    return ok ? ExitDone : ExitError;
}

bool SyncAccounts()
{
    bool ok = false;
    const std::vector<TAccount> accounts = Accounts(ok);
    if (accounts.empty())
        return ok;
    bool synced = ok;
    // On a terminal each account has one line that says how far its sync is; in a pipe or a log, only failures.
    const bool terminal = ::isatty(STDERR_FILENO) == 1;
    const auto progress = [terminal](const TAccount& account, const QString& state, bool last) {
        if (!terminal)
            return;
        // \r and "erase to the end of the line": the same line, written over.
        std::fprintf(stderr, "\r\033[K%s", last && state.isEmpty() ? "" : "nelvora-report: ");
        if (!state.isEmpty())
            std::fprintf(stderr, "%s: %s%s", ShownAddress(QString::fromStdString(account.Url)).toUtf8().constData(),
                         state.toUtf8().constData(), last ? "\n" : "");
        std::fflush(stderr);
    };
    TKeychainSecretStore keyring;
    for (const TAccount& account : accounts) {
        progress(account, Tr(NELVORA_TRANSLATE_NOOP("nelvora-report", "syncing…")), false);
        QString password;
        TFailure failure;
        if (const QString keyringError = ReadSecret(keyring, QString::fromStdString(SecretKey(account)), password);
            !keyringError.isEmpty())
            failure = TFailure::Local(keyringError.toStdString());
        int fetched = 0;
        if (!failure) {
            const TSyncResult result = SyncAccount(account, password, LockWait);
            fetched = result.CardsFetched;
            failure = result.FirstFailure();
        } else {
            RecordAccountFailure(account, failure);
        }
        if (failure) {
            progress(account, {}, true);
            // The status file's words, as `--sources` prints them: scripts and logs read them.
            Say(Tr(NELVORA_TRANSLATE_NOOP("nelvora-report", "sync of %1 failed: %2"))
                    .arg(ShownAddress(QString::fromStdString(account.Url)), WordsOf(failure)));
            synced = false;
        } else {
            //: On a terminal, after --sync: the account's line once its books are in the cache.
            progress(account,
                     QCoreApplication::translate("nelvora-report", "synced, %n new or changed cards", nullptr, fetched),
                     true);
        }
    }
    return synced;
}
