#include "ConfigFile.h"

#include <fcntl.h>
#include <glob.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <system_error>

namespace Stores {

namespace {

// Real configuration files are a few kilobytes; this leaves room for very long comments and nothing more.
constexpr std::uintmax_t MaxConfigSize = std::uintmax_t{4} * 1024 * 1024;

} // namespace

bool ReadSmallFile(const std::filesystem::path& path, std::string& bytes, std::uintmax_t maxBytes, bool followLinks)
{
    bytes.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK | (followLinks ? 0 : O_NOFOLLOW));
    if (fd < 0)
        return false;
    struct stat info;
    bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && static_cast<std::uintmax_t>(info.st_size) <= maxBytes;
    if (ok) {
        bytes.resize(static_cast<std::size_t>(info.st_size));
        std::size_t used = 0;
        while (used < bytes.size()) {
            const ssize_t got = ::read(fd, bytes.data() + used, bytes.size() - used);
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0) {
                ok = false;
                break;
            }
            if (got == 0)
                break; // shorter than it was a moment ago: what is there
            used += static_cast<std::size_t>(got);
        }
        bytes.resize(ok ? used : 0);
    }
    ::close(fd);
    return ok;
}

bool ReadConfigFile(const std::filesystem::path& path, std::string& bytes)
{
    return ReadSmallFile(path, bytes, MaxConfigSize);
}

std::vector<std::string_view> ConfigLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.find('\0') == std::string_view::npos)
            lines.push_back(line);
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::string_view Trimmed(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::vector<std::filesystem::path> FolderEntries(const std::filesystem::path& folder, std::string_view prefix,
                                                 std::string_view suffix)
{
    std::vector<std::filesystem::path> entries;
    if (folder.empty())
        return entries;
    std::error_code error;
    std::filesystem::directory_iterator it(folder, error);
    for (const std::filesystem::directory_iterator end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.size() >= prefix.size() + suffix.size() && name.starts_with(prefix) && name.ends_with(suffix))
            entries.push_back(it->path());
    }
    std::sort(entries.begin(), entries.end());
    return entries;
}

std::vector<std::filesystem::path> GlobPaths(const std::string& pattern)
{
    std::vector<std::filesystem::path> paths;
    if (pattern.empty() || pattern.find('\0') != std::string::npos)
        return paths;
    glob_t found{};
    // GLOB_NOCHECK is left out: a pattern that matches nothing gives nothing.
    if (::glob(pattern.c_str(), GLOB_NOSORT, nullptr, &found) == 0) {
        for (std::size_t i = 0; i < found.gl_pathc; ++i)
            paths.emplace_back(found.gl_pathv[i]);
    }
    ::globfree(&found);
    std::sort(paths.begin(), paths.end());
    return paths;
}

} // namespace Stores
