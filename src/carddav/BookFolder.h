#pragma once

#include "CardDavCache.h"

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

// Writing the cache of the online address books (see CardDavCache.h for its layout). Plain files and folders, no
// toolkit: the sync decides what to write, this decides how it reaches the disk. Folders are 0700, files 0600.
//
// A book is replaced whole: the new cards and the new state are built in a staging folder beside the book (cards
// that did not change are hard links, so nothing is copied), flushed, and swapped with the book's folder in one
// renameat2(RENAME_EXCHANGE). A crash before the swap leaves the old book and a staging folder that the next sync
// removes; after it, the new book. Where the file system cannot exchange (some network file systems), the old
// folder is renamed aside first; a crash between the two renames leaves the book missing until the next sync's
// RecoverBooks puts it back. Either way a reader never sees a mixture.
namespace CardDav {

// A short stable key for a URL or an account: the name of its folder or of a card's file.
std::string FolderKey(std::string_view text);
// The file name of a card: its key and ".vcf".
std::string CardFileName(std::string_view href);

// Makes `folder` and its missing parents below `root` (itself made too), each 0700. Empty, or why not.
std::string MakePrivateFolders(const std::filesystem::path& root, const std::filesystem::path& folder);

// Replaces a small file (a status file) so that readers see the old or the new one, mode 0600; a link in its place
// is replaced, not followed.
std::string WritePrivateFile(const std::filesystem::path& path, std::string_view content);

// Removes a folder and everything below it, not following links. Empty, or why not.
std::string RemoveTree(const std::filesystem::path& folder);

// Puts back what a sync cut short below one account's folder: a book renamed aside and not yet replaced comes
// back; staging folders go. Runs under the cache lock, before a sync writes.
void RecoverBooks(const std::filesystem::path& account);

// TCacheLock's error when another program holds the lock.
inline constexpr const char* CacheLockBusy = "another sync is running";

// One writer of the cache at a time, across processes (the window's background sync and `nelvora-report --sync`):
// an flock on a file in the cache root, held for the life of the object.
class TCacheLock final
{
public:
    // Waits up to `wait` for the lock. Null, and `error` says why, when it cannot be had.
    static std::unique_ptr<TCacheLock> Take(const std::filesystem::path& root, std::chrono::milliseconds wait,
                                            std::string& error);
    ~TCacheLock();
    TCacheLock(const TCacheLock&) = delete;
    TCacheLock& operator=(const TCacheLock&) = delete;

private:
    explicit TCacheLock(int fd) : m_fd(fd) {}
    int m_fd;
};

// Swaps two folders in one step: renameat2(RENAME_EXCHANGE). 0, or -1 with errno set.
int ExchangeFolders(const char* from, const char* to);
using TFolderExchange = int (*)(const char* from, const char* to);

// Builds one book's next state and swaps it in. Every call returns why it failed, or an empty string; after a
// failure the book's folder is as it was.
class TBookWriter final
{
public:
    // `book` is the folder the module reads; it need not exist yet.
    // `exchange` is the swap; a file system that cannot exchange makes it fail with EINVAL, ENOSYS or ENOTSUP, and
    // the book is then replaced by two renames.
    explicit TBookWriter(std::filesystem::path book, TFolderExchange exchange = ExchangeFolders);
    // An uncommitted staging folder is removed.
    ~TBookWriter();
    TBookWriter(const TBookWriter&) = delete;
    TBookWriter& operator=(const TBookWriter&) = delete;

    std::string Begin();
    // Takes a card file unchanged from the book's current folder.
    std::string Keep(const std::string& file);
    std::string Put(const std::string& file, std::string_view text);
    // Writes the state, flushes, swaps. The staging folder then holds the old book and is removed.
    std::string Commit(const Stores::TCardDavState& state);

private:
    std::filesystem::path m_book;
    TFolderExchange m_exchange;
    std::filesystem::path m_staging;
    int m_stagingFd = -1;
};

} // namespace CardDav
