#pragma once

#include <sys/types.h>

#include <functional>
#include <string>
#include <string_view>

// The system calls the writer makes, so that a test can watch their order or make one of them fail. Each has the
// meaning and the error convention (-1 and errno) of the call it is named after.
struct TAtomicFileCalls
{
    std::function<int(const char* path, int flags, mode_t mode)> Open;
    std::function<ssize_t(int fd, const void* data, size_t size)> Write;
    std::function<int(int fd, mode_t mode)> Fchmod;
    std::function<int(int fd)> Fsync;
    std::function<int(int fd)> Close;
    std::function<int(const char* from, const char* to)> Rename;
    std::function<int(const char* path)> Unlink;

    // The calls of the system itself.
    static const TAtomicFileCalls& System();
};

struct TAtomicFileOptions
{
    // The permissions of a file that does not exist yet, before the umask takes its part, as open(2) takes them.
    // A file that is replaced keeps its own.
    mode_t NewFileMode = 0666;
    // False: a symbolic link at `path` is replaced like a file, never followed, and what is not a regular file is
    // refused (EINVAL) rather than written into. For private files in a folder the program owns (its cache).
    bool FollowLinks = true;
};

// Replaces the file at `path` with `content` so that a reader sees either the old file or the whole new one, also
// after a crash: the text goes to a hidden temporary file in the same folder, is synced, is renamed over the old
// one, and the folder is synced. A symbolic link is followed, also one whose target does not exist yet, so the file
// it points to is written and the link stays a link (unless the options say otherwise). Returns 0, or the errno value
// of the step that failed; after a failure the old file is as it was and no temporary file is left.
[[nodiscard]] int ReplaceFileAtomically(const std::string& path, std::string_view content,
                                        const TAtomicFileOptions& options = {},
                                        const TAtomicFileCalls& calls = TAtomicFileCalls::System());
