#include "VCardSources.h"

#include "VCardParser.h"
#include "VCardText.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <set>
#include <system_error>
#include <unordered_set>
#include <utility>

namespace VCard {

namespace {

// Far beyond any real address book; a larger file is more likely a mistake than contacts.
constexpr off_t kMaxFileSize = off_t{256} * 1024 * 1024;

using TFileId = std::pair<dev_t, ino_t>;

void WalkFolder(const std::filesystem::path& root, const struct stat& rootInfo, std::set<TFileId>& visitedFolders,
                std::vector<std::filesystem::path>& files)
{
    // An explicit stack instead of recursion: folder depth comes from the disk, not from us.
    std::vector<std::filesystem::path> pending;
    if (visitedFolders.insert({rootInfo.st_dev, rootInfo.st_ino}).second)
        pending.push_back(root);
    while (!pending.empty()) {
        const std::filesystem::path folder = std::move(pending.back());
        pending.pop_back();
        std::error_code error;
        std::filesystem::directory_iterator it(folder, error);
        const std::filesystem::directory_iterator end;
        for (; !error && it != end; it.increment(error)) {
            const std::filesystem::path& path = it->path();
            struct stat info;
            // stat, not lstat: links are followed; a dangling link fails here and is left out.
            if (::stat(path.c_str(), &info) != 0)
                continue;
            if (S_ISDIR(info.st_mode)) {
                if (visitedFolders.insert({info.st_dev, info.st_ino}).second)
                    pending.push_back(path);
            } else if (S_ISREG(info.st_mode) && HasVCardExtension(path.native())) {
                files.push_back(path);
            }
        }
    }
}

} // namespace

bool HasVCardExtension(std::string_view path)
{
    // vCard's media type registers both extensions (RFC 6350, 10.1).
    for (const std::string_view extension : {std::string_view(".vcf"), std::string_view(".vcard")})
        if (path.size() > extension.size() && IEquals(path.substr(path.size() - extension.size()), extension))
            return true;
    return false;
}

std::filesystem::path DefaultContactsFolder()
{
    // The base directory rules: an unset, empty or relative XDG_DATA_HOME is ignored.
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome && dataHome[0] == '/')
        return std::filesystem::path(dataHome) / "contacts";
    const char* home = std::getenv("HOME");
    std::string homeDir = home ? home : "";
    if (homeDir.empty()) {
        if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir)
            homeDir = entry->pw_dir;
    }
    if (homeDir.empty())
        return {};
    return std::filesystem::path(homeDir) / ".local" / "share" / "contacts";
}

std::vector<std::filesystem::path> CollectVCardFiles(const std::vector<std::filesystem::path>& roots)
{
    std::vector<std::filesystem::path> result;
    std::set<TFileId> visitedFolders;
    std::set<TFileId> seenFiles;
    for (const auto& root : roots) {
        if (root.empty())
            continue;
        struct stat info;
        if (::stat(root.c_str(), &info) != 0)
            continue;
        std::vector<std::filesystem::path> files;
        if (S_ISDIR(info.st_mode))
            WalkFolder(root, info, visitedFolders, files);
        else if (S_ISREG(info.st_mode))
            files.push_back(root);
        std::sort(files.begin(), files.end(), [](const auto& a, const auto& b) { return a.native() < b.native(); });
        for (auto& file : files) {
            struct stat fileInfo;
            if (::stat(file.c_str(), &fileInfo) == 0 && seenFiles.insert({fileInfo.st_dev, fileInfo.st_ino}).second)
                result.push_back(std::move(file));
        }
    }
    return result;
}

namespace {

// Opens a regular file read-only, -1 when it cannot be opened, is no regular file or is too large to be an
// address book. Non-blocking, so that a FIFO named *.vcf cannot stall the check.
int OpenVCardFile(const std::filesystem::path& path, std::size_t& size)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return -1;
    struct stat info;
    int error = 0;
    if (::fstat(fd, &info) != 0)
        error = errno;
    else if (!S_ISREG(info.st_mode))
        error = EINVAL;
    else if (info.st_size > kMaxFileSize)
        error = EFBIG;
    if (error != 0) {
        ::close(fd);
        errno = error;
        return -1;
    }
    size = static_cast<std::size_t>(info.st_size);
    return fd;
}

// read(2) that goes on after a signal.
ssize_t ReadSome(int fd, char* buffer, std::size_t size)
{
    ssize_t got;
    do
        got = ::read(fd, buffer, size);
    while (got < 0 && errno == EINTR);
    return got;
}

// Files are read in parts of this size: a large address book is never held whole, only its cards are.
constexpr std::size_t kPartSize = std::size_t{1} << 20;

} // namespace

bool LoadVCardFile(const std::filesystem::path& path, std::string& buffer, std::vector<TVCard>& cards)
{
    std::size_t size = 0;
    const int fd = OpenVCardFile(path, size);
    if (fd < 0)
        return false;
    const std::size_t first = cards.size();
    TVCardStream stream(cards);
    std::size_t total = 0;
    std::size_t held = 0; // bytes at the front of `buffer` that the stream has not read yet
    int error = 0;
    while (true) {
        if (held == buffer.size())
            buffer.resize(std::max(kPartSize, buffer.size() * 2));
        const ssize_t got = ReadSome(fd, buffer.data() + held, buffer.size() - held);
        if (got < 0) {
            error = errno;
            break;
        }
        // The file may have grown since it was opened.
        total += static_cast<std::size_t>(got);
        if (total >= static_cast<std::size_t>(kMaxFileSize)) {
            error = EFBIG;
            break;
        }
        held += static_cast<std::size_t>(got);
        const bool last = got == 0;
        const std::size_t taken = stream.Append(std::string_view(buffer.data(), held), last);
        if (last)
            break;
        std::memmove(buffer.data(), buffer.data() + taken, held - taken);
        held -= taken;
    }
    ::close(fd);
    if (error != 0)
        cards.resize(first);
    errno = error;
    return error == 0;
}

bool ReadVCardFile(const std::filesystem::path& path, std::string& bytes)
{
    bytes.clear();
    std::size_t size = 0;
    const int fd = OpenVCardFile(path, size);
    if (fd < 0)
        return false;
    bool ok = true;
    bytes.resize(size);
    std::size_t used = 0;
    while (true) {
        if (used == bytes.size()) {
            // The file may have grown since fstat.
            if (bytes.size() >= static_cast<std::size_t>(kMaxFileSize)) {
                ok = false;
                break;
            }
            bytes.resize(bytes.size() + 4096);
        }
        const ssize_t got = ReadSome(fd, bytes.data() + used, bytes.size() - used);
        if (got < 0) {
            ok = false;
            break;
        }
        if (got == 0)
            break;
        used += static_cast<std::size_t>(got);
    }
    bytes.resize(ok ? used : 0);
    ::close(fd);
    return ok;
}

std::vector<TVCard> LoadVCards(const std::vector<std::filesystem::path>& roots)
{
    std::vector<TVCard> cards;
    // Indices into `cards`, hashed by UID: no second copy of every UID.
    const auto hash = [&cards](std::size_t index) { return std::hash<std::string_view>{}(cards[index].Uid); };
    const auto equal = [&cards](std::size_t a, std::size_t b) { return cards[a].Uid == cards[b].Uid; };
    std::unordered_set<std::size_t, decltype(hash), decltype(equal)> uids(16, hash, equal);

    std::string buffer;
    for (const auto& file : CollectVCardFiles(roots)) {
        // Parsed straight into the result and compacted there: a second list of a large file's cards would
        // double the memory and move every card once more.
        const std::size_t first = cards.size();
        if (!LoadVCardFile(file, buffer, cards))
            continue;
        std::size_t kept = first;
        for (std::size_t i = first; i < cards.size(); ++i) {
            if (i != kept)
                cards[kept] = std::move(cards[i]);
            if (cards[kept].Uid.empty() || uids.insert(kept).second)
                ++kept;
        }
        cards.resize(kept);
    }
    std::string().swap(buffer);
    return cards;
}

} // namespace VCard
