#include "TExcludedStores.h"

#include "AtomicFile.h"
#include "TExError.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>

namespace {

[[noreturn]] void Fail(const char* method, const char* what, const std::string& fileName, const char* detail)
{
    TExError error;
    error.AddEntry(0, "TExcludedStores", method, "%s: %s [%s]", what, fileName, detail);
    throw error;
}

// Closes on every way out.
class TFd final
{
public:
    explicit TFd(int fd) : m_fd(fd) {}
    ~TFd()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    TFd(const TFd&) = delete;
    TFd& operator=(const TFd&) = delete;
    int Get() const { return m_fd; }

private:
    int m_fd;
};

} // namespace

const char* TExcludedStores::PathLineProblem(std::string_view line)
{
    // Paths are written as `--sources` shows them: absolute, with no control character. An online book is shown,
    // and left out, by its address.
    if (line.empty() || (line.front() != '/' && !line.starts_with("https://") && !line.starts_with("http://")))
        return "is no absolute path";
    for (const char c : line)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            return "holds a control character";
    return nullptr;
}

bool TExcludedStores::Parse(std::string_view bytes, std::vector<std::string>& paths, std::string& why)
{
    paths.clear();
    std::size_t number = 0;
    while (!bytes.empty()) {
        ++number;
        const std::size_t newline = bytes.find('\n');
        const std::string_view line = bytes.substr(0, newline);
        bytes.remove_prefix(newline == std::string_view::npos ? bytes.size() : newline + 1);
        if (line.empty())
            continue;
        if (const char* problem = PathLineProblem(line); problem != nullptr) {
            paths.clear();
            why = "line " + std::to_string(number) + " " + problem;
            return false;
        }
        paths.emplace_back(line);
    }
    return true;
}

void TExcludedStores::Load(const std::string& fileName)
{
    Paths.clear();
    // Non-blocking, so that a FIFO in its place cannot stall the start.
    TFd fd(::open(fileName.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (fd.Get() < 0) {
        if (errno == ENOENT)
            return;
        Fail("Load", "Error loading file", fileName, std::strerror(errno));
    }
    struct stat info;
    if (::fstat(fd.Get(), &info) != 0)
        Fail("Load", "Error loading file", fileName, std::strerror(errno));
    if (!S_ISREG(info.st_mode))
        Fail("Load", "Error loading file", fileName, "not a regular file");
    if (static_cast<std::size_t>(info.st_size) > MaxFileSize)
        Fail("Load", "Error loading file", fileName, "too large");

    std::string bytes;
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(fd.Get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            Fail("Load", "Error loading file", fileName, std::strerror(errno));
        if (got == 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(got));
        // It may grow while it is read.
        if (bytes.size() > MaxFileSize)
            Fail("Load", "Error loading file", fileName, "too large");
    }
    std::vector<std::string> paths;
    std::string why;
    if (bytes.find('\0') != std::string::npos)
        Fail("Load", "Damaged file", fileName, "a NUL byte");
    if (!Parse(bytes, paths, why))
        Fail("Load", "Damaged file", fileName, why.c_str());
    Paths = std::move(paths);
}

void TExcludedStores::Save(const std::string& fileName) const
{
    std::string text;
    for (const std::string& path : Paths) {
        if (const char* problem = PathLineProblem(path); problem != nullptr)
            Fail("Save", "Error saving file", fileName, ("a path that " + std::string(problem)).c_str());
        text += path;
        text += '\n';
    }
    // What is written must load again.
    if (text.size() > MaxFileSize)
        Fail("Save", "Error saving file", fileName, "too large");
    if (const int error = ReplaceFileAtomically(fileName, text); error != 0)
        Fail("Save", "Error saving file", fileName, std::strerror(error));
}
