#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The user's online address-book accounts: server address and user name, one a line, in the configuration folder.
// No secret is ever in this file; the password lives in the desktop's Secret Service under SecretKey().
namespace CardDav {

struct TAccount
{
    std::string Url;
    std::string User;
    friend bool operator==(const TAccount&, const TAccount&) = default;
};

// <config>/nelvora/carddav-accounts; empty when the configuration folder cannot be known.
std::filesystem::path AccountsFile();

// The accounts in the file; none when there is no file. `error` says why a file that exists could not be read.
std::vector<TAccount> LoadAccounts(const std::filesystem::path& file, std::string& error);
// Replaces the file whole (the one atomic writer). Empty, or why not. Changes go through UpdateAccounts.
std::string SaveAccounts(const std::filesystem::path& file, const std::vector<TAccount>& accounts);

// How long UpdateAccounts waits for another program's change; a change holds the lock for a read and a write only.
inline constexpr std::chrono::milliseconds AccountListWait{3000};

// Reads the list, lets `change` edit it and writes it back when `change` returns true, as one step: an exclusive
// flock on the list's folder keeps the window and `nelvora-report` from writing over each other's change. Waits up
// to `wait` for the lock, then fails and changes nothing; `change` is not called when the lock or the list cannot
// be had. Empty, or why not.
std::string UpdateAccounts(const std::filesystem::path& file, const std::function<bool(std::vector<TAccount>&)>& change,
                           std::chrono::milliseconds wait = AccountListWait);

// Text that cannot stand in the file (line breaks, tabs, NUL) or is empty: why, else empty.
std::string AccountFieldRefusal(std::string_view url, std::string_view user);

// Where the Secret Service keeps the account's password: the user and the address, so that two accounts on one
// server stay apart.
std::string SecretKey(const TAccount& account);
inline constexpr const char* SecretService = "nelvora-carddav";

} // namespace CardDav
