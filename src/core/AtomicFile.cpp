#include "AtomicFile.h"

#include <cerrno>
#include <climits>
#include <cstddef>
#include <random>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// As the kernel counts link hops before ELOOP.
constexpr int MaxLinkHops = 40;
// Room for the dot and the suffix within the longest file name.
constexpr std::size_t MaxNameInTemporary = NAME_MAX - 16;

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a chain of symbolic links ends at, which need not exist yet. 0 or an errno value.
int FollowLinks(const std::string& path, std::string& target)
{
    target = path;
    for (int hop = 0;; ++hop) {
        struct stat info;
        if (::lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return 0;
        if (hop == MaxLinkHops)
            return ELOOP;
        char link[PATH_MAX];
        const ssize_t size = ::readlink(target.c_str(), link, sizeof link);
        if (size < 0)
            return errno;
        if (static_cast<std::size_t>(size) == sizeof link)
            return ENAMETOOLONG;
        const std::string next(link, static_cast<std::size_t>(size));
        if (next.empty())
            return ENOENT;
        const std::string folder = FolderOf(target);
        target = next.front() == '/' ? next : (folder == "/" ? "" : folder) + "/" + next;
    }
}

int WriteAll(const TAtomicFileCalls& calls, int fd, std::string_view content)
{
    while (!content.empty()) {
        const ssize_t written = calls.Write(fd, content.data(), content.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return errno;
        // A write that takes nothing would never end.
        if (written == 0)
            return EIO;
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

std::string RandomSuffix()
{
    static constexpr char Letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    thread_local std::mt19937_64 generator{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof Letters - 2);
    std::string suffix(8, ' ');
    for (char& c : suffix)
        c = Letters[pick(generator)];
    return suffix;
}

// A terminal, a pipe or /dev/null holds nothing to replace, and renaming over one would destroy a device node for a
// caller with the right to: the text goes straight in.
int WriteInPlace(const std::string& target, std::string_view content, const TAtomicFileCalls& calls)
{
    const int fd = calls.Open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY, 0);
    if (fd < 0)
        return errno;
    int error = WriteAll(calls, fd, content);
    if (calls.Close(fd) != 0 && error == 0)
        error = errno;
    return error;
}

} // namespace

const TAtomicFileCalls& TAtomicFileCalls::System()
{
    static const TAtomicFileCalls calls{
        [](const char* path, int flags, mode_t mode) { return ::open(path, flags, mode); },
        [](int fd, const void* data, size_t size) { return ::write(fd, data, size); },
        [](int fd, mode_t mode) { return ::fchmod(fd, mode); },
        [](int fd) { return ::fsync(fd); },
        [](int fd) { return ::close(fd); },
        [](const char* from, const char* to) { return ::rename(from, to); },
        [](const char* path) { return ::unlink(path); },
    };
    return calls;
}

int ReplaceFileAtomically(const std::string& path, std::string_view content, const TAtomicFileOptions& options,
                          const TAtomicFileCalls& calls)
{
    if (path.empty())
        return EINVAL;
    std::string target = path;
    if (options.FollowLinks)
        if (const int error = FollowLinks(path, target); error != 0)
            return error;

    struct stat old;
    bool replacing = (options.FollowLinks ? ::stat(target.c_str(), &old) : ::lstat(target.c_str(), &old)) == 0;
    if (replacing && !options.FollowLinks && S_ISLNK(old.st_mode))
        replacing = false; // the link itself goes; the new file has the mode of a new one
    else if (replacing && !options.FollowLinks && !S_ISREG(old.st_mode))
        return S_ISDIR(old.st_mode) ? EISDIR : EINVAL;
    if (replacing && S_ISDIR(old.st_mode))
        return EISDIR;
    if (replacing && (S_ISCHR(old.st_mode) || S_ISFIFO(old.st_mode)))
        return WriteInPlace(target, content, calls);
    if (replacing && !S_ISREG(old.st_mode))
        return EINVAL;

    const std::string folder = FolderOf(target);
    const std::string name = target.substr(target.rfind('/') + 1); // npos + 1 is 0: the whole name
    if (name.empty())
        return EISDIR;
    // Hidden, so that a folder watcher importing every calendar file does not pick up the half-written one.
    const std::string stem = (folder == "/" ? "" : folder) + "/." + name.substr(0, MaxNameInTemporary) + ".";

    // Created with open's own mode, so that the umask and a default ACL of the folder apply as to any new file.
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary = stem + RandomSuffix();
        fd = calls.Open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW,
                        options.NewFileMode & 07777);
        if (fd < 0 && errno != EEXIST)
            return errno;
    }
    if (fd < 0)
        return EEXIST;

    int error = 0;
    if (replacing && calls.Fchmod(fd, old.st_mode & 07777) != 0)
        error = errno;
    if (error == 0)
        error = WriteAll(calls, fd, content);
    // On disk before the rename: after a crash the name holds the whole new text or the old one.
    if (error == 0 && calls.Fsync(fd) != 0)
        error = errno;
    if (calls.Close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && calls.Rename(temporary.c_str(), target.c_str()) != 0)
        error = errno;
    if (error != 0) {
        calls.Unlink(temporary.c_str());
        return error;
    }

    // The rename itself reaches the disk only with the folder; failing that is no reason to report the file lost.
    if (const int dir = calls.Open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0); dir >= 0) {
        calls.Fsync(dir);
        calls.Close(dir);
    }
    return 0;
}
