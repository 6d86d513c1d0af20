#include "AccountList.h"

#include "ConfigFolder.h"

#include "AtomicFile.h"
#include "TStoreEnvironment.h"
#include "config/ConfigFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <thread>

namespace CardDav {

namespace {

constexpr std::string_view Magic = "nelvora-carddav-accounts 1";

} // namespace

std::filesystem::path AccountsFile()
{
    // Beside the options file and the left-out books.
    const std::string folder = ConfigFolder();
    if (folder.empty())
        return {};
    return std::filesystem::path(folder) / "carddav-accounts";
}

std::string AccountFieldRefusal(std::string_view url, std::string_view user)
{
    if (url.empty())
        return "the server address is empty";
    if (user.empty())
        return "the user name is empty";
    for (const std::string_view text : {url, user})
        for (const char c : text)
            if (c == '\t' || c == '\n' || c == '\r' || c == '\0')
                return "line breaks and tabs cannot be part of an address or a user name";
    return {};
}

std::vector<TAccount> LoadAccounts(const std::filesystem::path& file, std::string& error)
{
    error.clear();
    std::vector<TAccount> accounts;
    struct stat info;
    if (::stat(file.c_str(), &info) != 0) {
        if (errno != ENOENT)
            error = std::strerror(errno);
        return accounts;
    }
    std::string text;
    if (!Stores::ReadConfigFile(file, text)) {
        error = "cannot be read";
        return accounts;
    }
    std::string_view rest = text;
    bool first = true;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        const std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        if (first) {
            first = false;
            if (line != Magic) {
                error = "not an account list";
                return {};
            }
            continue;
        }
        const std::size_t tab = line.find('\t');
        if (line.empty() || tab == std::string_view::npos)
            continue;
        TAccount account{std::string(line.substr(0, tab)), std::string(line.substr(tab + 1))};
        if (AccountFieldRefusal(account.Url, account.User).empty())
            accounts.push_back(std::move(account));
    }
    return accounts;
}

std::string SaveAccounts(const std::filesystem::path& file, const std::vector<TAccount>& accounts)
{
    std::error_code ignored;
    std::filesystem::create_directories(file.parent_path(), ignored);
    std::string text(Magic);
    text += '\n';
    for (const TAccount& account : accounts)
        text += account.Url + '\t' + account.User + '\n';
    if (const int error = ReplaceFileAtomically(file.string(), text); error != 0)
        return "cannot write " + file.string() + ": " + std::strerror(error);
    return {};
}

std::string UpdateAccounts(const std::filesystem::path& file, const std::function<bool(std::vector<TAccount>&)>& change,
                           std::chrono::milliseconds wait)
{
    // The lock is on the configuration folder itself, which is ours: no file of its own to leave behind.
    const std::filesystem::path folder = file.parent_path();
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return "cannot open " + folder.string() + ": " + std::strerror(errno);
    const auto until = std::chrono::steady_clock::now() + wait;
    std::string error;
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            break;
        if (errno != EWOULDBLOCK && errno != EINTR) {
            error = "cannot lock " + folder.string() + ": " + std::strerror(errno);
            break;
        }
        if (std::chrono::steady_clock::now() >= until) {
            error = "cannot change " + file.string() + ": another program is changing the account list";
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    if (error.empty()) {
        std::vector<TAccount> accounts = LoadAccounts(file, error);
        if (!error.empty())
            error = file.string() + ": " + error;
        else if (change(accounts))
            error = SaveAccounts(file, accounts);
    }
    // Closing the folder releases the lock.
    ::close(fd);
    return error;
}

std::string SecretKey(const TAccount& account)
{
    return account.User + '@' + account.Url;
}

} // namespace CardDav
