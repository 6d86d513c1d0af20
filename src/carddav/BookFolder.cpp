#include "BookFolder.h"

#include "AtomicFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <thread>

namespace CardDav {

namespace {

constexpr const char* StagingMark = ".new-";
constexpr const char* AsideSuffix = ".old";

std::string Failure(const char* what, const std::filesystem::path& path, int error)
{
    return std::string("cannot ") + what + " " + path.string() + ": " + std::strerror(error);
}

bool WriteAll(int fd, std::string_view content)
{
    while (!content.empty()) {
        const ssize_t written = ::write(fd, content.data(), content.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Creates `name` in the folder `dirFd` with `content`, 0600, failing when it exists.
int WriteNewFile(int dirFd, const char* name, std::string_view content, bool flush)
{
    const int fd = ::openat(dirFd, name, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return errno;
    int error = 0;
    if (!WriteAll(fd, content) || (flush && ::fsync(fd) != 0))
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error != 0)
        ::unlinkat(dirFd, name, 0);
    return error;
}

void SyncFolder(const std::filesystem::path& folder)
{
    if (const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

int RemoveBelow(int dirFd)
{
    DIR* listing = ::fdopendir(dirFd);
    if (!listing) {
        const int error = errno;
        ::close(dirFd);
        return error;
    }
    int error = 0;
    while (const dirent* entry = ::readdir(listing)) {
        const std::string_view name = entry->d_name;
        if (name == "." || name == "..")
            continue;
        struct stat info;
        if (::fstatat(::dirfd(listing), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        if (S_ISDIR(info.st_mode)) {
            const int child =
                ::openat(::dirfd(listing), entry->d_name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (child < 0 || RemoveBelow(child) != 0 || ::unlinkat(::dirfd(listing), entry->d_name, AT_REMOVEDIR) != 0)
                error = error ? error : (errno ? errno : EIO);
        } else if (::unlinkat(::dirfd(listing), entry->d_name, 0) != 0) {
            error = error ? error : errno;
        }
    }
    ::closedir(listing);
    return error;
}

} // namespace

std::string FolderKey(std::string_view text)
{
    // FNV-1a, 64 bits: stable across runs and builds, which std::hash is not promised to be.
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    char key[17];
    std::snprintf(key, sizeof key, "%016llx", static_cast<unsigned long long>(hash));
    return key;
}

std::string CardFileName(std::string_view href)
{
    return FolderKey(href) + ".vcf";
}

std::string MakePrivateFolders(const std::filesystem::path& root, const std::filesystem::path& folder)
{
    std::error_code error;
    std::filesystem::create_directories(root, error);
    if (error)
        return Failure("make", root, error.value());
    // Only what lies below the root is ours to make private; the user's cache folder keeps its mode.
    std::filesystem::path path = root;
    if (::chmod(root.c_str(), 0700) != 0)
        return Failure("protect", root, errno);
    const std::filesystem::path relative = folder.lexically_relative(root);
    for (const auto& part : relative) {
        if (part.empty() || part == ".")
            continue;
        path /= part;
        if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST)
            return Failure("make", path, errno);
    }
    return {};
}

std::string WritePrivateFile(const std::filesystem::path& path, std::string_view content)
{
    TAtomicFileOptions options;
    options.NewFileMode = 0600;
    options.FollowLinks = false;
    if (const int error = ReplaceFileAtomically(path.string(), content, options); error != 0)
        return Failure("write", path, error);
    return {};
}

std::string RemoveTree(const std::filesystem::path& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT ? std::string() : Failure("remove", folder, errno);
    if (const int error = RemoveBelow(fd); error != 0)
        return Failure("remove", folder, error);
    if (::rmdir(folder.c_str()) != 0)
        return Failure("remove", folder, errno);
    return {};
}

void RecoverBooks(const std::filesystem::path& account)
{
    std::error_code error;
    std::vector<std::filesystem::path> entries;
    for (const auto& entry : std::filesystem::directory_iterator(account, error))
        entries.push_back(entry.path());
    for (const auto& entry : entries) {
        const std::string name = entry.filename().string();
        if (name.ends_with(AsideSuffix)) {
            const std::filesystem::path book = entry.parent_path() / name.substr(0, name.size() - 4);
            struct stat info;
            if (::lstat(book.c_str(), &info) != 0)
                ::rename(entry.c_str(), book.c_str());
            else
                RemoveTree(entry);
        } else if (name.find(StagingMark) != std::string::npos) {
            RemoveTree(entry);
        }
    }
}

std::unique_ptr<TCacheLock> TCacheLock::Take(const std::filesystem::path& root, std::chrono::milliseconds wait,
                                             std::string& error)
{
    if (error = MakePrivateFolders(root, root); !error.empty())
        return nullptr;
    const std::filesystem::path path = root / ".lock";
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        error = Failure("lock", path, errno);
        return nullptr;
    }
    const auto until = std::chrono::steady_clock::now() + wait;
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            return std::unique_ptr<TCacheLock>(new TCacheLock(fd));
        if (errno != EWOULDBLOCK && errno != EINTR) {
            error = Failure("lock", path, errno);
            break;
        }
        if (std::chrono::steady_clock::now() >= until) {
            error = CacheLockBusy;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    ::close(fd);
    return nullptr;
}

TCacheLock::~TCacheLock()
{
    ::close(m_fd);
}

int ExchangeFolders(const char* from, const char* to)
{
    return ::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_EXCHANGE);
}

TBookWriter::TBookWriter(std::filesystem::path book, TFolderExchange exchange)
    : m_book(std::move(book)), m_exchange(exchange)
{
}

TBookWriter::~TBookWriter()
{
    if (m_stagingFd >= 0)
        ::close(m_stagingFd);
    if (!m_staging.empty())
        RemoveTree(m_staging);
}

std::string TBookWriter::Begin()
{
    std::string pattern = m_book.string() + StagingMark + "XXXXXX";
    if (!::mkdtemp(pattern.data()))
        return Failure("make", pattern, errno);
    m_staging = pattern;
    m_stagingFd = ::open(m_staging.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_stagingFd < 0)
        return Failure("open", m_staging, errno);
    return {};
}

std::string TBookWriter::Keep(const std::string& file)
{
    const std::filesystem::path from = m_book / file;
    if (::linkat(AT_FDCWD, from.c_str(), m_stagingFd, file.c_str(), 0) == 0)
        return {};
    if (errno != EPERM && errno != EXDEV && errno != EMLINK && errno != ENOTSUP)
        return Failure("keep", from, errno);
    // File systems without hard links: a copy.
    std::string content;
    if (std::FILE* in = std::fopen(from.c_str(), "rbe")) {
        char buffer[65536];
        std::size_t count;
        while ((count = std::fread(buffer, 1, sizeof buffer, in)) > 0)
            content.append(buffer, count);
        const bool failed = std::ferror(in);
        std::fclose(in);
        if (failed)
            return Failure("keep", from, EIO);
    } else {
        return Failure("keep", from, errno);
    }
    return Put(file, content);
}

std::string TBookWriter::Put(const std::string& file, std::string_view text)
{
    // Flushed together at the commit: one flush of the file system instead of one a card.
    if (const int error = WriteNewFile(m_stagingFd, file.c_str(), text, false); error != 0)
        return Failure("write", m_staging / file, error);
    return {};
}

std::string TBookWriter::Commit(const Stores::TCardDavState& state)
{
    if (const int error = WriteNewFile(m_stagingFd, Stores::CardDavStateFile, Stores::FormatCardDavState(state), false);
        error != 0)
        return Failure("write", m_staging / Stores::CardDavStateFile, error);
    // Every card and the state reach the disk before the swap makes them the book.
    if (::syncfs(m_stagingFd) != 0)
        return Failure("flush", m_staging, errno);

    struct stat info;
    if (::lstat(m_book.c_str(), &info) != 0) {
        if (::rename(m_staging.c_str(), m_book.c_str()) != 0)
            return Failure("replace", m_book, errno);
        // Nothing old to remove.
        ::close(m_stagingFd);
        m_stagingFd = -1;
        m_staging.clear();
    } else if (m_exchange(m_staging.c_str(), m_book.c_str()) != 0) {
        if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
            return Failure("replace", m_book, errno);
        const std::filesystem::path aside = m_book.string() + AsideSuffix;
        if (::rename(m_book.c_str(), aside.c_str()) != 0)
            return Failure("replace", m_book, errno);
        if (::rename(m_staging.c_str(), m_book.c_str()) != 0) {
            const int error = errno;
            ::rename(aside.c_str(), m_book.c_str());
            return Failure("replace", m_book, error);
        }
        m_staging = aside;
    }
    SyncFolder(m_book.parent_path());
    // The staging name now holds the old book; the destructor removes it.
    return {};
}

} // namespace CardDav
